// The fixed choice lists of the return (codes and labels). The declaration stores the codes;
// the host reads the lists member by member to fill its choice fields and show labels, so the
// member order and the content of every list are part of the interface.
#pragma once

#include <span>
#include <vector>

#include "codes2072.h"
#include "listes2072.h"
#include "telement.h"

// A code a list no longer offers that the engine still understands, and the listed code it
// takes it as.
struct CodeAncien2072 {
  lettres::Liste liste;
  long code;
  long prisPour;
};
inline constexpr CodeAncien2072 kCodesAnciens2072[] = {
    // Saved declarations may hold it; the computation clears the same amounts as for 4.
    {lettres::Liste::ListeCategoriesBien, zorfiscal2072::Categorie::SecteurSauvegardeAncien,
     zorfiscal2072::Categorie::SecteurSauvegarde},
};

class TTables_2072 {
 public:
  // The single instance, built on the first call and destroyed when the library is unloaded.
  static TTables_2072* getInstance();
  // First entry of `liste` whose code is `code`, or the end of the list.
  static std::vector<TElement>::iterator getElement(std::vector<TElement>& liste, int code);

  TTables_2072() { Init(); }
  virtual ~TTables_2072() = default;
  TTables_2072(const TTables_2072&) = default;
  TTables_2072& operator=(const TTables_2072&) = default;

  // Appends every entry to its list; it does not clear, so it runs once per instance.
  void Init();

  // A list by its name (lettres::Liste), null for Aucune; the name is the member's.
  const std::vector<TElement>* Liste(lettres::Liste liste) const;
  static const char* NomListe(lettres::Liste liste);
  static zorfiscal2072::UsageListe Usage(lettres::Liste liste);
  // Every list, in member order.
  static const std::vector<lettres::Liste>& Listes();

  std::vector<TElement> ListeOuiNon;
  std::vector<TElement> ListeTypePersonne;
  std::vector<TElement> ListeRegimeFiscal;
  std::vector<TElement> ListeNatureBien;
  std::vector<TElement> ListeModePaiement;
  std::vector<TElement> ListeCivilite;
  std::vector<TElement> ListeDepartements;
  std::vector<TElement> ListeCodesDepartements;
  std::vector<TElement> ListePays;
  std::vector<TElement> ListeComplementNumeroVoie;
  std::vector<TElement> ListeNatureComposant;
  std::vector<TElement> ListeModeAmortissement;
  std::vector<TElement> ListeTerme;
  std::vector<TElement> ListeTitres1;
  std::vector<TElement> ListeFormesJuridiques1;
  std::vector<TElement> ListeTitres2;
  std::vector<TElement> ListeFormesJuridiques2;
  std::vector<TElement> ListeTitres3;
  std::vector<TElement> ListeFormesJuridiques3;
  std::vector<TElement> ListeTitres4;
  std::vector<TElement> ListeFormesJuridiques4;
  std::vector<TElement> ListeTitres5;
  std::vector<TElement> ListeFormesJuridiques5;
  std::vector<TElement> ListeAbreviationsTitresFormes;
  std::vector<TElement> ListeOptionsCategorie1;
  std::vector<TElement> ListeOptionsCategorie4;
  std::vector<TElement> ListeOptionsCategorie6;
  std::vector<TElement> ListeOptionsCategorie7;
  std::vector<TElement> ListeOptionsCategorie8;
  std::vector<TElement> ListeOptionsAbregees;
  std::vector<TElement> ListeOptionsTauxDeduction;
  std::vector<TElement> ListeOptionsTauxDeduction2;
  std::vector<TElement> ListeCategoriesBien;
  std::vector<TElement> ListeCategoriesBienAbregees;
  std::vector<TElement> ListeTauxDeduction1;
  std::vector<TElement> ListeTauxDeduction2;
};
