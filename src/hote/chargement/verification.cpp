#include "chargement/verification.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "chargement/valeurscodees.h"
#include "codes2072.h"
#include "dictionnaire2072.h"
#include "lettres.h"

namespace hote2072 {

using zorfiscal2072::EntreeDictionnaire;

namespace {

std::string NomNiveau(int cle) {
  const Niveau* n = TrouveNiveau(cle);
  return std::to_string(cle) + " (" + (n ? n->nom : "?") + ")";
}

std::string NiveauxAttendus(const std::vector<int>& niveaux) {
  if (niveaux.empty()) return "this letter belongs to the declaration itself and takes no index";
  std::string texte = "its index must hold ";
  for (std::size_t k = 0; k < niveaux.size(); ++k)
    texte += (k ? (k + 1 == niveaux.size() ? " and " : ", ") : "") + NomNiveau(niveaux[k]);
  return texte;
}

// The letter of field `champ` in the record that holds `e`; 0 when it has none.
int CodeVoisin(const EntreeDictionnaire& e, const char* champ) {
  if (champ == nullptr) return 0;
  for (const EntreeDictionnaire& autre : zorfiscal2072::Dictionnaire2072())
    if (autre.enregistrement == e.enregistrement && std::string_view(autre.lettre.champ) == champ)
      return autre.lettre.code;
  return 0;
}

// For each code, the letters of its record a check reads beside it: the person type of a
// title or legal form, the SIREN and NIC of a SIRET, the country of a postal code.
struct Voisins {
  int type = 0;
  int gabarit[2] = {0, 0};
};
struct TableVoisins {
  std::map<int, Voisins> parCode;
  std::array<bool, lettres::kEtendueCodes> lu{};  // codes whose values another letter's check reads
};
const TableVoisins& VoisinsDesCodes() {
  static const auto voisins = [] {
    TableVoisins t;
    for (const EntreeDictionnaire& e : zorfiscal2072::Dictionnaire2072()) {
      const lettres::DescriptionLettre& d = e.lettre;
      if (d.champType == nullptr && d.gabarit == lettres::Gabarit::Libre) continue;
      Voisins& x = t.parCode[d.code];
      x.type = CodeVoisin(e, d.champType);
      for (int k = 0; k < 2; ++k) x.gabarit[k] = CodeVoisin(e, d.gabaritChamps[k]);
      for (int c : {x.type, x.gabarit[0], x.gabarit[1]})
        if (c != 0) t.lu[static_cast<std::size_t>(c - lettres::kPremierCode)] = true;
    }
    return t;
  }();
  return voisins;
}

long long Entier(const std::string& valeur) {
  long long n = 0;
  return lettres::LitEntier(valeur.c_str(), n) ? n : 0;
}

// Coded values against their lists (problems) and the shapes the form knows (warnings), in
// the pass over the letters. A check that reads another letter of the same record (a title's
// person type, a SIRET's SIREN and NIC, a postal code's country) waits for the end of the
// pass, which has then seen every letter; a letter the file does not give keeps its default.
class VerificationValeurs {
 public:
  VerificationValeurs(const Controles& controles, Rapport& rapport) : m_controles(controles), m_rapport(rapport) {}

  void Lettre(const LettreFichier& l, const lettres::DescriptionLettre& d) {
    if (m_voisins.lu[static_cast<std::size_t>(d.code - lettres::kPremierCode)])
      m_valeurs[{d.code, l.index}] = &l.valeur;
    if (!d.codee() && (d.gabarit == lettres::Gabarit::Libre || l.valeur.empty())) return;
    if (d.champType != nullptr || d.gabarit == lettres::Gabarit::Siret || d.gabarit == lettres::Gabarit::CodePostal)
      m_enAttente.emplace_back(&l, &d);
    else
      Verifie(l, d);
  }

  void Termine() {
    for (const auto& [l, d] : m_enAttente) Verifie(*l, *d);
  }

 private:
  const std::string& Valeur(int code, const Index& index) const {
    const auto it = m_valeurs.find({code, index});
    return it != m_valeurs.end() ? *it->second : ValeurParDefaut(code);
  }

  void Verifie(const LettreFichier& l, const lettres::DescriptionLettre& d) {
    const auto voisins = m_voisins.parCode.find(d.code);
    const Voisins v = voisins != m_voisins.parCode.end() ? voisins->second : Voisins{};
    if (d.codee() && m_controles.listes) {
      const bool morale = d.listeMorale != lettres::kAucuneListe &&
                          Entier(Valeur(v.type, l.index)) == zorfiscal2072::TypePersonne::Morale;
      std::string probleme = ProblemeCode(d, morale ? d.listeMorale : d.liste, l.valeur);
      if (!probleme.empty() && d.listeMorale != lettres::kAucuneListe)
        probleme += std::string(" (") + d.champType + (morale ? " 2, a legal person)" : " 1, a natural person)");
      if (!probleme.empty()) m_rapport.Ajoute(l, probleme);
      if (probleme.empty() && d.nbListesSelon > 0) {
        if (std::string offert = ProblemeOffert(d, Valeur(v.type, l.index), l.valeur); !offert.empty())
          m_rapport.Avertit(l, offert);
      }
      if (const std::string ancien = AvertissementCodeAncien(d.liste, l.valeur); !ancien.empty())
        m_rapport.Avertit(l, ancien);
    }
    if (l.valeur.empty() || !m_controles.gabarits) return;
    std::string avertissement;
    switch (d.gabarit) {
      case lettres::Gabarit::Libre: break;
      case lettres::Gabarit::Siren: avertissement = ProblemeSiren(l.valeur); break;
      case lettres::Gabarit::Nic: avertissement = ProblemeNic(l.valeur); break;
      case lettres::Gabarit::Siret: {
        const std::string attendu = Valeur(v.gabarit[0], l.index) + Valeur(v.gabarit[1], l.index);
        if (l.valeur != attendu)
          avertissement = "a SIRET number is the SIREN followed by the NIC (" + CiteValeur(attendu) +
                          " here): the update writes that instead";
        break;
      }
      case lettres::Gabarit::CodePostal: {
        const long long pays = Entier(Valeur(v.gabarit[0], l.index));
        if (pays == zorfiscal2072::kPaysFrance || pays == zorfiscal2072::kEntreeVide)
          avertissement = ProblemeCodePostal(l.valeur);
        break;
      }
    }
    if (!avertissement.empty()) m_rapport.Avertit(l, avertissement);
  }

  const Controles& m_controles;
  Rapport& m_rapport;
  const TableVoisins& m_voisins = VoisinsDesCodes();
  std::map<std::pair<int, Index>, const std::string*> m_valeurs;
  std::vector<std::pair<const LettreFichier*, const lettres::DescriptionLettre*>> m_enAttente;
};

// Problems of the code, of the index and of the value.
void VerifieLettre(const LettreFichier& l, Rapport& rapport, VerificationValeurs& valeurs) {
  const EntreeDictionnaire* e =
      (l.code >= 0 && l.code <= 32767) ? zorfiscal2072::EntreeDictionnaire2072(static_cast<int>(l.code)) : nullptr;
  if (e == nullptr) {
    rapport.Ajoute(l, "unknown code: no letter of the form has it (`sci2072 dictionary` lists them)");
    return;
  }
  if (!e->parLaRacine) {
    rapport.Ajoute(l, std::string("this letter belongs to ") + e->enregistrement +
                          ", a cumulative record that no declaration holds: it cannot be loaded");
    return;
  }
  for (std::string& probleme : ProblemesIndex(*e, l.index)) rapport.Ajoute(l, std::move(probleme));
  if (std::string p = ProblemeValeur(e->lettre, l.valeur); !p.empty())
    rapport.Ajoute(l, p);  // and no code or shape either
  else
    valeurs.Lettre(l, e->lettre);
}

// A letter's index and code in one integer: two levels of 4 bits (the key's rank from 1, 0 for
// none) each with a position of 17 bits, then 16 bits of code, so that a file written record
// by record is nearly sorted. Indexes of more levels, codes out of range: none (no letter of
// the form has them; they are reported anyway).
static_assert(kDerniereCle - kPremiereCle + 1 < 16, "a level's rank takes 4 bits");
std::optional<std::uint64_t> Empreinte(const LettreFichier& l) {
  if (l.code < 0 || l.code > 0xFFFF || l.index.size() > 2) return std::nullopt;
  std::uint64_t e = 0;
  for (std::size_t k = 0; k < 2; ++k) {
    e <<= 21;
    if (k >= l.index.size()) continue;
    const auto [cle, position] = l.index[k];
    if (cle < kPremiereCle || cle > kDerniereCle || position < 0 || position >= (1 << 17)) return std::nullopt;
    e |= static_cast<std::uint64_t>(cle - kPremiereCle + 1) << 17 | static_cast<std::uint64_t>(position);
  }
  return e << 16 | static_cast<std::uint64_t>(l.code);
}

// Sorts a vector whose runs of equal index are already in order of index, as a file written
// record by record is: each run is put in order by itself, the whole sorted only if the runs
// are out of order.
void TriePresqueTrie(std::vector<std::pair<std::uint64_t, std::size_t>>& empreintes) {
  const auto index = [](std::uint64_t e) { return e >> 16; };
  for (std::size_t debut = 0, fin = 0; debut < empreintes.size(); debut = fin) {
    for (fin = debut + 1; fin < empreintes.size() && index(empreintes[fin].first) == index(empreintes[debut].first);)
      ++fin;
    std::sort(empreintes.begin() + static_cast<std::ptrdiff_t>(debut),
              empreintes.begin() + static_cast<std::ptrdiff_t>(fin));
  }
  if (!std::is_sorted(empreintes.begin(), empreintes.end())) std::sort(empreintes.begin(), empreintes.end());
}

// The same letter (code and index) given twice, reported at the later one. Sorting one integer
// per letter keeps this fast and small for a million letters.
void VerifieDoublons(const FichierDeclaration& fichier, Rapport& rapport) {
  std::vector<std::pair<std::uint64_t, std::size_t>> empreintes;  // (index and code, position in the file)
  empreintes.reserve(fichier.lettres.size());
  std::map<std::pair<long long, Index>, std::size_t> autres;
  for (std::size_t k = 0; k < fichier.lettres.size(); ++k) {
    const LettreFichier& l = fichier.lettres[k];
    if (const auto e = Empreinte(l)) {
      empreintes.emplace_back(*e, k);
    } else if (const auto [it, nouvelle] = autres.try_emplace({l.code, l.index}, l.rang); !nouvelle) {
      rapport.Ajoute(l, "the same letter (code and index) is already given by letter " + std::to_string(it->second));
    }
  }
  TriePresqueTrie(empreintes);
  for (std::size_t k = 1, premiere = 0; k < empreintes.size(); ++k) {
    if (empreintes[k].first != empreintes[k - 1].first) {
      premiere = k;
      continue;
    }
    rapport.Ajoute(fichier.lettres[empreintes[k].second],
                   "the same letter (code and index) is already given by letter " +
                       std::to_string(fichier.lettres[empreintes[premiere].second].rang));
  }
}

}  // namespace

std::vector<std::string> ProblemesIndex(const EntreeDictionnaire& e, const Index& index) {
  std::vector<std::string> problemes;
  for (int cle : e.niveaux)
    if (PositionDans(index, cle) < 0)
      problemes.push_back("the index lacks level " + NomNiveau(cle) + "; " + NiveauxAttendus(e.niveaux));
  for (const auto& [cle, position] : index)
    if (std::find(e.niveaux.begin(), e.niveaux.end(), cle) == e.niveaux.end())
      problemes.push_back("the index names level " + NomNiveau(cle) + ", which this letter cannot have; " +
                          NiveauxAttendus(e.niveaux));
  return problemes;
}

Effectifs CompteEffectifs(const FichierDeclaration& fichier) {
  Effectifs effectifs;
  // The count last updated at each level (slot key % 16): a record's letters usually follow
  // each other, so most letters update the counts the letter before them did.
  struct Dernier {
    int cle = 0;
    int proprietaire = -1;
    std::size_t* nombre = nullptr;
  };
  std::array<Dernier, 16> derniers{};
  for (const LettreFichier& l : fichier.lettres)
    for (const auto& [cle, position] : l.index) {
      const Niveau* n = TrouveNiveau(cle);
      const int proprietaire = n->parent == 0 ? 0 : PositionDans(l.index, n->parent);
      if (proprietaire < 0) continue;  // reported: the index lacks the owner's level
      Dernier& d = derniers[static_cast<std::size_t>(cle) % derniers.size()];
      if (d.nombre == nullptr || d.cle != cle || d.proprietaire != proprietaire)
        d = {cle, proprietaire, &effectifs[{cle, proprietaire}]};
      *d.nombre = std::max(*d.nombre, static_cast<std::size_t>(position) + 1);
    }
  return effectifs;
}

namespace {

ValeurLue::Probleme LitEntierBorne(std::string_view valeur, long long min, long long max, long long& v) {
  double reel = 0;  // the letter library would drop a fraction silently
  if (!lettres::LitEntier(valeur, v) || (lettres::LitReel(valeur, reel) && reel != std::trunc(reel)))
    return ValeurLue::kPasEntier;
  return v < min || v > max ? ValeurLue::kHorsBornes : ValeurLue::kAucun;
}

// Bounds of the integers each primitive holds.
long long EntierMin(lettres::Primitive p) {
  return p == lettres::Primitive::Court ? std::numeric_limits<short>::min() : std::numeric_limits<int>::min();
}
long long EntierMax(lettres::Primitive p) {
  return p == lettres::Primitive::Court ? std::numeric_limits<short>::max() : std::numeric_limits<int>::max();
}
int Decimales(const lettres::DescriptionLettre& d) { return d.taille == 5 ? 5 : 2; }

}  // namespace

ValeurLue LitValeur(const lettres::DescriptionLettre& d, std::string_view valeur) {
  using lettres::Primitive;
  ValeurLue lue;
  switch (d.primitive) {
    case Primitive::Texte:
      lue.caracteres = lettres::NombreCaracteres(valeur);
      if (d.taille >= 1 && lue.caracteres > static_cast<std::size_t>(d.taille - 1)) lue.probleme = ValeurLue::kTropLong;
      return lue;
    case Primitive::MoisJour:
    case Primitive::SiecleAnnee:
      if (valeur.empty()) return lue;  // how the letter library writes a day, month or year not entered
      [[fallthrough]];
    case Primitive::Court:
    case Primitive::Long:
      lue.probleme = LitEntierBorne(valeur, EntierMin(d.primitive), EntierMax(d.primitive), lue.entier);
      return lue;
    case Primitive::Reel:
    case Primitive::ReelFormat: {
      if (!lettres::LitReel(valeur, lue.reel)) {
        lue.probleme = ValeurLue::kPasMontant;
        return lue;
      }
      if (!(std::fabs(lue.reel) <= kMontantMax)) {  // NaN included
        lue.probleme = ValeurLue::kTropGrand;
        return lue;
      }
      if (d.primitive == Primitive::Reel) return lue;
      // The field is written back with a fixed count of decimals: more would not survive.
      char texte[400];
      std::snprintf(texte, sizeof texte, "%.*f", Decimales(d), lue.reel);
      double relu = 0;
      if (!lettres::LitReel(texte, relu) || relu != lue.reel) lue.probleme = ValeurLue::kTropDeDecimales;
      return lue;
    }
    case Primitive::Date:
      if (!lettres::LitDate(valeur, lue.date)) lue.probleme = ValeurLue::kPasDate;
      return lue;
  }
  return lue;
}

std::string ProblemeValeur(const lettres::DescriptionLettre& d, const std::string& valeur) {
  // A number's text ends at a zero byte, as the letter library reads it; a text counts every
  // character.
  const std::string_view vue = d.primitive == lettres::Primitive::Texte ? std::string_view(valeur) : valeur.c_str();
  ValeurLue lue = LitValeur(d, vue);
  // A day, month or year not entered is the empty text, not one a zero byte ends at once.
  const bool jourMoisAnnee =
      d.primitive == lettres::Primitive::MoisJour || d.primitive == lettres::Primitive::SiecleAnnee;
  if (jourMoisAnnee && vue.empty() && !valeur.empty()) lue.probleme = ValeurLue::kPasEntier;
  switch (lue.probleme) {
    case ValeurLue::kAucun: return {};
    case ValeurLue::kTropLong:
      return "text of " + std::to_string(lue.caracteres) + " characters; this field holds at most " +
             std::to_string(d.taille - 1);
    case ValeurLue::kPasEntier: return "not an integer; expected a whole number such as 2";
    case ValeurLue::kHorsBornes:
      return "integer out of range; this field holds " + std::to_string(EntierMin(d.primitive)) + " to " +
             std::to_string(EntierMax(d.primitive));
    case ValeurLue::kPasMontant: return "not an amount; expected a number such as 1234.56 or 1234,56";
    case ValeurLue::kTropGrand:
      return "amount beyond " + std::string(kMontantMaxTexte) +
             " (10^13) in absolute value, which no declaration holds";
    case ValeurLue::kTropDeDecimales:
      return "more decimals than this field keeps; it is written with " + std::to_string(Decimales(d)) + " decimals";
    case ValeurLue::kPasDate: return "not a date; expected a real calendar date written DD/MM/YYYY";
  }
  return {};
}

namespace {

void AvertitAnnee(long annee, Rapport& rapport, const Controles& controles) {
  if (controles.gabarits && annee != zorfiscal2072::kAnneeDeclarationDefaut)
    rapport.Avertit("\"year\" " + std::to_string(annee) + ": this engine computes the " +
                    std::to_string(zorfiscal2072::kAnneeDeclarationDefaut) + " return; the figures follow " +
                    std::to_string(zorfiscal2072::kAnneeDeclarationDefaut) + "'s rules");
}

}  // namespace

bool ValeurAControler(const lettres::DescriptionLettre& d, std::string_view valeur) {
  return VoisinsDesCodes().lu[static_cast<std::size_t>(d.code - lettres::kPremierCode)] || d.codee() ||
         (d.gabarit != lettres::Gabarit::Libre && !valeur.empty());
}

void VerifieValeurs(const std::vector<LettreFichier>& lettres, long annee, Rapport& rapport,
                    const Controles& controles) {
  VerificationValeurs valeurs(controles, rapport);
  for (const LettreFichier& l : lettres)
    valeurs.Lettre(l, zorfiscal2072::EntreeDictionnaire2072(static_cast<int>(l.code))->lettre);
  valeurs.Termine();
  AvertitAnnee(annee, rapport, controles);
}

void Verifie(const FichierDeclaration& fichier, Rapport& rapport, const Controles& controles) {
  VerificationValeurs valeurs(controles, rapport);
  for (const LettreFichier& l : fichier.lettres) VerifieLettre(l, rapport, valeurs);
  valeurs.Termine();
  AvertitAnnee(fichier.annee, rapport, controles);
  VerifieDoublons(fichier, rapport);
  // A share names a property, and a distribution a sale, by position.
  const Effectifs effectifs = CompteEffectifs(fichier);
  for (const LettreFichier& l : fichier.lettres)
    for (const auto& [cle, position] : l.index) {
      const Niveau* n = TrouveNiveau(cle);
      if (n->parPositionDe == 0) continue;
      const auto it = effectifs.find({n->parPositionDe, 0});
      const std::size_t nombre = it == effectifs.end() ? 0 : it->second;
      if (static_cast<std::size_t>(position) < nombre) continue;
      const Niveau* de = TrouveNiveau(n->parPositionDe);
      rapport.Ajoute(l, std::string(n->nom) + " " + std::to_string(position) + " does not exist: a partner has one " +
                            n->nom + " per " + de->nom + ", named by the " + de->nom +
                            "'s position, and the file names " +
                            (nombre == 0 ? std::string("no ") + de->nom
                                         : std::to_string(nombre) + " " + (nombre == 1 ? de->nom : de->pluriel)));
    }
}

}  // namespace hote2072
