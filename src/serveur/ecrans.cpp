#include "ecrans.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <set>
#include <stdexcept>

#include "arbre2072.h"
#include "dictionnaire2072.h"
#include "donneeis2072.h"

namespace serveur2072 {

using namespace zorfiscal2072;

namespace {

// A letter by its code, or every letter of a record class (an address, a linked element) in
// the dictionary's order.
struct Element {
  Element(int c) : code(c) {}            // NOLINT: a block lists codes and classes together
  Element(const char* c) : classe(c) {}  // NOLINT
  int code = 0;
  const char* classe = nullptr;
};

std::vector<int> Codes(std::initializer_list<Element> elements) {
  std::vector<int> codes;
  for (const Element& e : elements) {
    if (e.classe == nullptr) {
      codes.push_back(e.code);
      continue;
    }
    const std::size_t avant = codes.size();
    for (const EntreeDictionnaire& d : Dictionnaire2072())
      if (d.parLaRacine && std::string_view(d.enregistrement) == e.classe &&
          EntreeDictionnaire2072(d.lettre.code) == &d)
        codes.push_back(d.lettre.code);
    if (codes.size() == avant) throw std::logic_error(std::string("screen names a record with no letter: ") + e.classe);
  }
  return codes;
}

Bloc B(std::string titre, std::initializer_list<Element> elements, bool replie = false) {
  return {std::move(titre), Codes(elements), replie};
}

std::vector<DefinitionEcran> Construit() {
  // clang-format off
  std::vector<DefinitionEcran> e;
  e.push_back({Genre::General, "general", "Informations générales", {},
               {B("Identité de la société", {12003, 12005, 12544, 12545, 12543}),
                B("Siège social", {12438, 12439, 12550, 12440, 12441, 12442, 12443, 12007, 12008, 12430}),
                B("Siège social : adresses 2 et 3",
                  {12444, 12445, 12551, 12446, 12447, 12448, 12449, 12011, 12012, 12431, 12450, 12451, 12552, 12452,
                   12453, 12454, 12455, 12404, 12405, 12432},
                  true),
                B("Capital, parts et exercice",
                  {12043, 12044, 12045, 12046, 12320, 12048, 12049, 12817, 12047, 12818, 12388, 12389, 12436}),
                B("Gérant", {12523, 12524, 12024, 12025, 12525, 12526, 12527, 12029, 12377, 12329, 12330, "TAdresseGerant"}),
                B("Comptable", {12528, 12529, 12332, 12333, 12530, 12531, 12532, 12337, 12338, 12339, "TAdresseComptable"}),
                B("Conseil", {12573, 12574, 12578, 12579, 12575, 12576, 12577, 12590, 12591, 12592, "TAdresseConseil"}),
                B("Administrateur",
                  {12533, 12534, 12341, 12342, 12535, 12536, 12537, 12346, 12347, 12348, "TAdresseAdministrateur"}),
                B("Contribution sur les revenus locatifs (CRL)",
                  {12322, 12323, 12324, 12325, 12326, 12327, 12328, 12209, 12210, 12211, 12212}),
                B("Annexe 2072-E",
                  {12570, 12571, "TElementLieVA", 12564, 12565, "TElementLie2072ELoyersBruts",
                   "TElementLie2072EChargeLocataires", "TElementLie2072ERecettesDiverses",
                   "TElementLie2072ERentreesCreances", 12780, "TElementLie2072EFraisGerance", "TElementLie2072EAssurance",
                   "TElementLie2072ETravauxReparation", "TElementLie2072EChargesEspacesNaturels", "TElementLie2072ENP",
                   "TElementLie2072EAssuranceFraisZR", "TElementLie2072EChargesRecuperables",
                   "TElementLie2072EIndemnitesEtFrais", "TElementLie2072EDeductionSpecifique",
                   "TElementLie2072EDeductionAmortissement", "TElementLie2072EProvisionCharges", 12814}),
                B("Déclarant et signature", {12016, 12518, 12349, 12350, "TAdresseDeclarant"}),
                B("Destinataires de la déclaration", {12019, "TAdresseDestinataire", "TAdresseNouveauDestinataire"}),
                B("Service des impôts", {12030, "TAdresseCDI", 12034, 12036, 12038, 12040, 12042}),
                B("Options d'impression", {12375, 12376}, true),
                B("Résultat de la société à répartir", {"TResultatGlobalARepartir"})},
               {}, {}, false, {}});
  e.push_back({Genre::IS, "is", "Impôt sur les sociétés", {}, {B("Associés concernés", {12214, 12215, 12216})}, {}, {},
               true, {}});
  e.push_back({Genre::Propriete, "immeuble", "Immeuble", {kNiveauPropriete},
               {B("Identification", {12655, 12102, 12101, 12103, 12392, 12357, 12319, 12105, 12650, 12770, 12386, 12387,
                                     12117, 12118}),
                B("Nature du bien", {12640, 12641, 12642, 12643, 12644, 12645, 12646, 12647, 12648, 12649}),
                B("Adresse", {"TAdressePropriete2072"}),
                B("Recettes", {12140, 12143, 12144, 12142, 12145, 12433, 12358, 12359}),
                B("Frais et charges", {12153, "TElementLieForfaitGestion2072", 12154, 12155, 12620, 12428, 12158, 12159,
                                       12160, 12360, 12147, 12161, 12162, 12366, 12163, 12164}),
                B("Déductions", {12149, 12150, 12434, 12151, 12152, 12563, 12166, 12167, 12168, 12169}),
                B("Résultat", {12165, 12170, "TResultatARepartirPropriete"}),
                B("Amortissement", {12297, 12298, 12301, 12302, 12303, 12304, 12305, 12306, 12309, 12310, 12311, 12312,
                                    12313, 12314, 12300, 12308, 12316, 12317}),
                B("Amortissement par séries", {12407, 12413, 12410, 12408, 12414, 12411, 12409, 12415, 12412, 12416, 12422,
                                               12419, 12417, 12423, 12420, 12418, 12424, 12421},
                  true),
                B("Composants : totaux", {"TAmortissementComposant"})},
               {},
               {Genre::Locataire, Genre::Beneficiaire, Genre::Composant},
               false,
               {}});
  e.push_back({Genre::Locataire, "locataire", "Locataire", {kNiveauPropriete, kNiveauLocataire},
               {B("Locataire", {12593, 12594, 12595, 12596})}, {}, {}, false, {12654}});
  e.push_back({Genre::Beneficiaire, "beneficiaire", "Bénéficiaire", {kNiveauPropriete, kNiveauBeneficiaire},
               {B("Bénéficiaire", {12737, 12738, 12739, 12740, 12741})}, {}, {}, false, {12736}});
  e.push_back({Genre::Composant, "composant", "Composant", {kNiveauPropriete, kNiveauComposant},
               {B("Composant", {12615, 12651, 12656, 12657, 12658, 12659, 12660, 12661, 12662}),
                B("Amortissements", {12663, 12664, 12665, 12666, 12667, 12668, 12669, 12670, 12671, 12652, 12653})},
               {}, {}, false, {12743}});
  e.push_back({Genre::Associe, "associe", "Associé", {kNiveauAssocie},
               {B("Identité", {12694, 12520, 12541, 12055, 12056, 12057, 12521, 12062, 12061, 12519, 12063, 12064, 12562,
                               12751, 12546, 12547, 12548, 12437, 12318}),
                B("Adresse", {"TAdresseAssocie"}),
                B("Adresse avant déménagement", {"TAdresseAvantDemenagement"}, true),
                B("Parts et régime fiscal", {12075, 12742, 12076, 12077, 12078, 12361, 12362, 12363, 12752}),
                B("Cessions et acquisitions de parts", {12082, 12364, 12083, 12084, 12085, 12086, 12087, 12088, 12089,
                                                        12090, 12091}),
                B("Autres éléments", {12080, 12081, 12759, 12639, 12753, 12754, 12755, 12756, 12757, 12758}),
                B("Déclaration individuelle", {12685, 12686, 12687, 12688, 12689, 12690, 12691, 12092, 12093, 12542,
                                               12707, 12708, 12634, 12635, "TElementLieQuotePartProduitsFinanciers"})},
               {{"Quote-part de chaque immeuble", kNiveauQuotePart,
                 {12695, 12696, 12697, 12698, 12699, 12700, 12684, 12701}},
                {"Quote-part des cessions de la société", kNiveauRepartition,
                 Codes({"TElementLieQuotePartMV", "TElementLieQuotePartPV"})},
                {"Immeubles occupés gratuitement", kNiveauJouissanceGratuite, {12692}, true},
                {"Résultats reportés", kNiveauReport, {12094, 12095, 12425, 12098, 12099, 12636, 12637, 12638}, false,
                 true}},
               {},
               false,
               {12767, 12768, 12766, 12769, 12693}});
  e.push_back({Genre::CessionParts, "cession-parts", "Cession de parts", {kNiveauCessionParts},
               {B("Cédant", {12763, 12718, 12719, 12720, 12721, 12722, 12723, 12724, 12725, 12750}),
                B("Cessionnaire", {12762, 12710, 12711, 12712, 12713, 12714, 12715, 12716, 12717, 12749}),
                B("Parts cédées", {12726, 12727})},
               {}, {}, false, {}});
  e.push_back({Genre::Cession, "cession", "Cession d'élément d'actif", {kNiveauCession},
               {B("Cession", {12765, 12672, 12568, 12566, 12567, 12675, 12676, 12677})}, {}, {}, false, {}});

  // clang-format on
  // A letter placed on no screen goes to a folded last block of the screen of its record, so
  // that every field of a declaration can be reached.
  for (DefinitionEcran& d : e) {
    if (!d.deuxColonnes) continue;
    for (const TDonneeIS2072::DescriptionLigne& l : TDonneeIS2072::Lignes())
      d.lignes.push_back({l.libelle, l.codes[TDonneeIS2072::kColonneBICIS], l.codes[TDonneeIS2072::kColonneBA]});
  }
  std::set<int> places;
  for (const DefinitionEcran& d : e) {
    for (const auto& l : d.lignes) places.insert({l.gauche, l.droite});
    for (const Bloc& b : d.blocs) places.insert(b.codes.begin(), b.codes.end());
    for (const Tableau& t : d.tableaux) places.insert(t.colonnes.begin(), t.colonnes.end());
    places.insert(d.masques.begin(), d.masques.end());
  }
  for (const EntreeDictionnaire& d : Dictionnaire2072()) {
    if (!d.parLaRacine || EntreeDictionnaire2072(d.lettre.code) != &d || places.count(d.lettre.code) != 0) continue;
    auto it = std::find_if(e.begin(), e.end(), [&](const DefinitionEcran& def) { return def.niveaux == d.niveaux; });
    if (it == e.end()) continue;
    if (it->blocs.empty() || it->blocs.back().titre != "Autres champs")
      it->blocs.push_back({"Autres champs", {}, true});
    it->blocs.back().codes.push_back(d.lettre.code);
  }
  return e;
}

}  // namespace

const std::vector<DefinitionEcran>& Ecrans() {
  static const std::vector<DefinitionEcran> ecrans = Construit();
  return ecrans;
}

const DefinitionEcran& Definition(Genre genre) {
  for (const DefinitionEcran& d : Ecrans())
    if (d.genre == genre) return d;
  throw std::logic_error("no such screen");
}

const DefinitionEcran* DefinitionDesNiveaux(const std::vector<int>& niveaux) {
  for (const DefinitionEcran& d : Ecrans())
    if (d.niveaux == niveaux) return &d;
  return nullptr;
}

std::string Ecran::Chemin() const {
  if (definition->niveaux.empty()) return definition->mot;
  std::string chemin;
  for (const auto& [cle, position] : index) {
    const DefinitionEcran* d = nullptr;
    for (const DefinitionEcran& candidat : Ecrans())
      if (!candidat.niveaux.empty() && candidat.niveaux.back() == cle) d = &candidat;
    if (!chemin.empty()) chemin += '/';
    chemin += d->mot + "/" + std::to_string(position);
  }
  return chemin;
}

std::optional<Ecran> LitChemin(const std::string& chemin, const TDonnee2072& racine) {
  for (const DefinitionEcran& d : Ecrans())
    if (d.niveaux.empty() && chemin == d.mot) return Ecran{&d, {}};
  // Pairs of a word and a position, each word the last level of a screen.
  Index index;
  std::vector<int> niveaux;
  std::size_t debut = 0;
  while (debut < chemin.size()) {
    const std::size_t barre = chemin.find('/', debut);
    if (barre == std::string::npos) return std::nullopt;
    const std::string mot = chemin.substr(debut, barre - debut);
    std::size_t fin = chemin.find('/', barre + 1);
    if (fin == std::string::npos) fin = chemin.size();
    const std::string nombre = chemin.substr(barre + 1, fin - barre - 1);
    if (nombre.empty() || nombre.size() > 6 || nombre.find_first_not_of("0123456789") != std::string::npos)
      return std::nullopt;
    const DefinitionEcran* d = nullptr;
    for (const DefinitionEcran& candidat : Ecrans())
      if (!candidat.niveaux.empty() && candidat.mot == mot) d = &candidat;
    if (d == nullptr) return std::nullopt;
    const int cle = d->niveaux.back(), position = std::stoi(nombre);
    niveaux.push_back(cle);
    if (d->niveaux != niveaux) return std::nullopt;
    const Niveau2072* n = TrouveNiveau2072(cle);
    if (n == nullptr || static_cast<std::size_t>(position) >= NombreAuNiveau(racine, cle, hote2072::VersTIndex(index)))
      return std::nullopt;
    index.emplace_back(cle, position);
    debut = fin + 1;
  }
  const DefinitionEcran* d = DefinitionDesNiveaux(niveaux);
  if (d == nullptr) return std::nullopt;
  return Ecran{d, index};
}

std::optional<Ecran> EcranDe(const Index& index) {
  Index propre = index;
  while (true) {
    std::vector<int> niveaux;
    for (const auto& [cle, position] : propre) niveaux.push_back(cle);
    if (const DefinitionEcran* d = DefinitionDesNiveaux(niveaux)) return Ecran{d, propre};
    if (propre.empty()) return std::nullopt;
    propre.pop_back();
  }
}

}  // namespace serveur2072
