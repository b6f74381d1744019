// The root's collections of properties and partners: counts, lookups, and the operations that
// keep statements and transfers of shares consistent when partners, properties or sales change.
#include <algorithm>
#include <array>

#include "kel.h"
#include "klx.h"
#include "tdonnee2072.h"

namespace zorfiscal2072 {
namespace {

constexpr int kDernierTypeImmeuble = 16;

// Number of properties of each building type 0 to 16 (others are not counted).
std::array<int, kDernierTypeImmeuble + 1> ProprietesParType(const std::vector<TPropriete2072>& proprietes) {
  std::array<int, kDernierTypeImmeuble + 1> n{};
  for (const TPropriete2072& p : proprietes) {
    const long t = p.getTypeImmeuble();
    if (t >= 0 && t <= kDernierTypeImmeuble) ++n[static_cast<std::size_t>(t)];
  }
  return n;
}

// Applies `nouvelle` to both partner references of every transfer of shares.
template <class F>
void Renumerote(TCessionsPartsSociete& cessions, F nouvelle) {
  for (TCessionParts& c : cessions.getCessionParts()) {
    c.setAssocieCessionnaire(nouvelle(c.getAssocieCessionnaire()));
    c.setAssocieCedant(nouvelle(c.getAssocieCedant()));
  }
}

void RemplitListeAssocies(std::vector<TElement2072>& liste, const std::vector<TAssocie2072>& associes) {
  liste.clear();
  liste.reserve(associes.size() + 1);
  for (std::size_t k = 0; k < associes.size(); ++k)
    liste.emplace_back(static_cast<int>(k), associes[k].getDesignation(), associes[k].getCodeAssocie());
  liste.emplace_back(static_cast<int>(associes.size()), "Autre", "");
}

std::size_t Position(int i) { return static_cast<std::size_t>(static_cast<unsigned>(i)); }

// A new partner with a fresh code, one share per property and one distribution per sale.
TAssocie2072 NouvelAssocie(const std::vector<TPropriete2072>& proprietes, const std::vector<TCession>& cessions) {
  TAssocie2072 associe;
  associe.setCodeAssocie(KLX::GenerateStringGUID());
  TBulletin2072& bulletin = associe.getBulletin2072();
  bulletin.getQuotePartPropriete().reserve(proprietes.size());
  bulletin.getRepartitionOperationsSociete().reserve(cessions.size());
  for (const TPropriete2072& p : proprietes) {
    TQuotePartPropriete quote;
    quote.setCodeAssocie(associe.getCodeAssocie());
    quote.setCodePropriete(p.getCodePropriete());
    bulletin.getQuotePartPropriete().push_back(std::move(quote));
  }
  for (const TCession& c : cessions) {
    TRepartitionOperationsSociete repartition;
    repartition.Init();
    repartition.setCodeAssocie(associe.getCodeAssocie());
    repartition.setCodeCession(c.getCodeCession());
    bulletin.getRepartitionOperationsSociete().push_back(std::move(repartition));
  }
  return associe;
}

}  // namespace

TPropriete2072* TDonnee2072::ProprieteNumero(int i) {
  if (i > NbPropriete() - 1) return nullptr;
  return &Propriete2072.at(Position(i));
}

TAssocie2072* TDonnee2072::AssocieNumero(int i) {
  if (i > NbAssocie() - 1) return nullptr;
  return &Associe2072.at(Position(i));
}

TPropriete2072* TDonnee2072::GetDetailPropriete(int i) {
  return (i < 0 || i >= NbPropriete()) ? nullptr : &Propriete2072[Position(i)];
}

TPropriete2072* TDonnee2072::GetDetailProprieteParCodePropriete(const std::string& code) {
  auto it = std::find_if(Propriete2072.begin(), Propriete2072.end(),
                         [&](const TPropriete2072& p) { return p.getCodePropriete() == code; });
  return it == Propriete2072.end() ? nullptr : &*it;
}

TAssocie2072* TDonnee2072::GetDetailAssocieParCodeAssocie(const std::string& code) {
  auto it = std::find_if(Associe2072.begin(), Associe2072.end(),
                         [&](const TAssocie2072& a) { return a.getCodeAssocie() == code; });
  return it == Associe2072.end() ? nullptr : &*it;
}

bool TDonnee2072::presenceProprieteParCodePropriete(const std::string& code) const {
  return std::any_of(Propriete2072.begin(), Propriete2072.end(),
                     [&](const TPropriete2072& p) { return p.getCodePropriete() == code; });
}

long TDonnee2072::DonneCategoriePropriete(int i) { return Propriete2072.at(Position(i)).getCategorie(); }
long TDonnee2072::DonneOptionFiscalePropriete(int i) { return Propriete2072.at(Position(i)).getOptionFiscale(); }
long TDonnee2072::DonneTypeImmeublePropriete(int i) { return Propriete2072.at(Position(i)).getTypeImmeuble(); }
long TDonnee2072::DonneTypeRegimeAssocie(int i) { return Associe2072.at(Position(i)).getRegimeFiscal(); }
short TDonnee2072::DonneTypePersonneAssocie(int i) { return Associe2072.at(Position(i)).getType(); }

int TDonnee2072::NbProprieteCategorie(int categorie) const {
  return static_cast<int>(std::count_if(Propriete2072.begin(), Propriete2072.end(),
                                        [&](const TPropriete2072& p) { return p.getCategorie() == categorie; }));
}

int TDonnee2072::NbProprieteOptionFiscale(long option) const {
  return static_cast<int>(std::count_if(Propriete2072.begin(), Propriete2072.end(),
                                        [&](const TPropriete2072& p) { return p.getOptionFiscale() == option; }));
}

int TDonnee2072::NbProprieteTypeImmeuble(int type) const {
  return static_cast<int>(std::count_if(Propriete2072.begin(), Propriete2072.end(),
                                        [&](const TPropriete2072& p) { return p.getTypeImmeuble() == type; }));
}

int TDonnee2072::NbAssocieTypeRegime(unsigned short regime) const {
  return static_cast<int>(std::count_if(Associe2072.begin(), Associe2072.end(),
                                        [&](const TAssocie2072& a) { return a.getRegimeFiscal() == regime; }));
}

int TDonnee2072::NbAssocieTypePersonne(unsigned short type) const {
  return static_cast<int>(std::count_if(Associe2072.begin(), Associe2072.end(),
                                        [&](const TAssocie2072& a) { return a.getType() == type; }));
}

int TDonnee2072::DonneIndiceProprieteDansCategorie(int i) const {
  const long categorie = Propriete2072.at(Position(i)).getCategorie();
  return static_cast<int>(std::count_if(Propriete2072.begin(), Propriete2072.begin() + i + 1,
                                        [&](const TPropriete2072& p) { return p.getCategorie() == categorie; }));
}

int TDonnee2072::DonneIndicePropriete(unsigned short categorie, int n) const {
  int rang = 0;
  for (std::size_t i = 0; i < Propriete2072.size(); ++i)
    if (Propriete2072[i].getCategorie() == categorie && ++rang == n) return static_cast<int>(i);
  return -1;
}

int TDonnee2072::TailleTableauResultats() const {
  const auto n = ProprietesParType(Propriete2072);
  return static_cast<int>(std::count_if(n.begin() + 2, n.end(), [](int k) { return k > 0; }));
}

int TDonnee2072::IndiceTableauResultats(int n) const {
  if (n <= 0 || n > TailleTableauResultats()) return 0;
  const auto parType = ProprietesParType(Propriete2072);
  int vus = 0;
  for (int t = 1; t <= kDernierTypeImmeuble; ++t)
    if (parType[static_cast<std::size_t>(t)] > 0 && ++vus == n) return t - 1;
  return 0;
}

int TDonnee2072::IndiceTableauEdition(int n) const {
  if (n == 1) return 1;
  if (n >= 11 && n <= 13) return n - 1;
  // Column 8 answers -1: the printed table's layout belongs to the host.
  if (n < 2 || n > 10 || n == 8) return -1;
  const auto parType = ProprietesParType(Propriete2072);
  std::vector<int> presents;
  for (int t = 2; t <= 10; ++t)
    if (parType[static_cast<std::size_t>(t)] > 0) presents.push_back(t);
  const int c = static_cast<int>(presents.size());
  if (c > 0 && n <= c + 1) return presents[static_cast<std::size_t>(n - 2)];
  return -1;
}

int TDonnee2072::getNbCessionsPartCedeesParAssocie(long k) const {
  const auto& cessions = CessionsPartsSociete.getCessionParts();
  return static_cast<int>(std::count_if(cessions.begin(), cessions.end(),
                                        [&](const TCessionParts& c) { return c.getAssocieCedant() == k; }));
}

int TDonnee2072::AjouteAssocie() {
  AjouteAssocies(1);
  return NbAssocie() - 1;
}

void TDonnee2072::AjouteAssocies(int nombre) {
  if (nombre <= 0) return;
  AjouteAssociesSansListes(nombre);
  MajListeAssocieCessionnaire();
  MajListeAssocieCedant();
}

void TDonnee2072::AjouteAssociesSansListes(int nombre) {
  if (nombre <= 0) return;
  const long m = NbAssocie();
  Associe2072.reserve(Associe2072.size() + static_cast<std::size_t>(nombre));
  for (int k = 0; k < nombre; ++k) Associe2072.push_back(NouvelAssocie(Propriete2072, OperationSociete.getCession()));
  // "Autre" follows the count: each addition moves the reference equal to the count before it.
  const long n = NbAssocie();
  Renumerote(CessionsPartsSociete, [m, n](long r) { return r >= m && r < n ? n : r; });
}

void TDonnee2072::DupliqueAssocie(int i) {
  const long m = NbAssocie();
  TAssocie2072 copie = Associe2072.at(Position(i));
  if (copie.getType() == TypePersonne::Physique)
    copie.setNom(lettres::Tronque("copie de " + copie.getNom(), 41));
  else if (copie.getType() == TypePersonne::Morale)
    copie.setDenomination(lettres::Tronque("copie de " + copie.getDenomination(), 111));
  copie.getListeProprieteJouissanceGratuite().clear();
  const std::string code = KLX::GenerateStringGUID();
  copie.setCodeAssocie(code);
  for (TQuotePartPropriete& q : copie.getBulletin2072().getQuotePartPropriete()) {
    q.Init();
    q.setCodeAssocie(code);
  }
  for (TRepartitionOperationsSociete& r : copie.getBulletin2072().getRepartitionOperationsSociete()) {
    r.Init();
    r.setCodeAssocie(code);
  }
  Associe2072.push_back(std::move(copie));
  UpdateTexte();
  Renumerote(CessionsPartsSociete, [m](long r) { return r == m ? m + 1 : r; });
  MajListeAssocieCessionnaire();
  MajListeAssocieCedant();
}

void TDonnee2072::SupprimeAssocie(int n) {
  Associe2072.at(Position(n));  // a position outside the list raises out_of_range before any change
  CessionsPartsSociete.SupprimeCessionParAssocie(n);
  Associe2072.erase(Associe2072.begin() + n);
  // Every reference after n moves down by one, "Autre" included: each transfer keeps its persons.
  Renumerote(CessionsPartsSociete, [n](long r) { return r > n ? r - 1 : r; });
  MajListeAssocieCessionnaire();
  MajListeAssocieCedant();
}

void TDonnee2072::SupprimeAssocieNumero(int n) {
  Associe2072.at(Position(n));
  Associe2072.erase(Associe2072.begin() + n);
}

void TDonnee2072::DeplaceAssocie(int src, int dest) {
  const bool srcValide = src >= 0 && src < NbAssocie();
  const bool destValide = dest >= 0 && dest < NbAssocie();
  kel::Assert(src < NbAssocie() && srcValide, "src < NbAssocie()", "position outside the partner list", __FILE__,
              __LINE__);
  kel::Assert(dest < NbAssocie() && destValide, "dest < NbAssocie()", "position outside the partner list", __FILE__,
              __LINE__);
  if (!srcValide || !destValide) return;
  // Every partner between src and dest shifts by one towards src: its references follow it.
  Renumerote(CessionsPartsSociete, [src, dest](long r) {
    if (r == src) return static_cast<long>(dest);
    if (src < dest && r > src && r <= dest) return r - 1;
    if (dest < src && r >= dest && r < src) return r + 1;
    return r;
  });
  TAssocie2072 deplace = std::move(Associe2072[Position(src)]);
  Associe2072.erase(Associe2072.begin() + src);
  Associe2072.insert(Associe2072.begin() + dest, std::move(deplace));
  MajListeAssocieCessionnaire();
  MajListeAssocieCedant();
}

void TDonnee2072::SupprimeCession(int i) {
  auto& cessions = OperationSociete.getCession();
  const std::string code = cessions.at(Position(i)).getCodeCession();
  for (TAssocie2072& a : Associe2072) a.getBulletin2072().SupprimeRepartitionParCession(code);
  cessions.erase(cessions.begin() + i);
}

void TDonnee2072::MajListeAssocieCessionnaire() {
  RemplitListeAssocies(CessionsPartsSociete.getListeAssocieCessionnaire(), Associe2072);
}

void TDonnee2072::MajListeAssocieCedant() {
  RemplitListeAssocies(CessionsPartsSociete.getListeAssocieCedant(), Associe2072);
}

int TDonnee2072::AjoutePropriete() {
  TPropriete2072 propriete;
  propriete.setCodePropriete(KLX::GenerateStringGUID());
  for (TAssocie2072& a : Associe2072) {
    TQuotePartPropriete quote;
    quote.setCodeAssocie(a.getCodeAssocie());
    quote.setCodePropriete(propriete.getCodePropriete());
    a.getBulletin2072().getQuotePartPropriete().push_back(std::move(quote));
  }
  Propriete2072.push_back(std::move(propriete));
  return NbPropriete() - 1;
}

void TDonnee2072::SupprimePropriete(int i) {
  const std::string code = Propriete2072.at(Position(i)).getCodePropriete();
  for (TAssocie2072& a : Associe2072) {
    a.getBulletin2072().SupprimeQuoteParPropriete(code);
    std::erase_if(a.getListeProprieteJouissanceGratuite(),
                  [&](const TListeProprieteJouissanceGratuite& e) { return e.getCodePropriete() == code; });
  }
  Propriete2072.erase(Propriete2072.begin() + i);
}

int TDonnee2072::AjouteCession() {
  TCession cession;
  cession.setCodeCession(KLX::GenerateStringGUID());
  for (TAssocie2072& a : Associe2072) {
    TRepartitionOperationsSociete repartition;
    repartition.Init();
    repartition.setCodeAssocie(a.getCodeAssocie());
    repartition.setCodeCession(cession.getCodeCession());
    a.getBulletin2072().getRepartitionOperationsSociete().push_back(std::move(repartition));
  }
  OperationSociete.getCession().push_back(std::move(cession));
  return static_cast<int>(OperationSociete.getCession().size()) - 1;
}

}  // namespace zorfiscal2072
