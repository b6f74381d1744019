// The fixed choice lists of the return. Labels stand exactly as the host shows them (accents,
// typographic apostrophes, double spaces and old spellings included): do not tidy them.
#include "tables2072.h"

#include "codes2072.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <map>
#include <memory>

namespace {

struct Entree {
  int code;
  const char* libelle;
};

// Appends the entries in the order given, which is the order the host shows (not always the
// order of the codes).
void Ajoute(std::vector<TElement>& liste, std::initializer_list<Entree> entrees) {
  for (const Entree& entree : entrees) {
    TElement element;
    element.set_enum(entree.code);
    element.set_libelle(entree.libelle);
    liste.push_back(element);
  }
}

// Appends labels whose code is their position, counted from 1.
void AjouteParPosition(std::vector<TElement>& liste, std::initializer_list<const char*> libelles) {
  int code = 1;
  for (const char* libelle : libelles) Ajoute(liste, {{code++, libelle}});
}

void AjouteCopie(std::vector<TElement>& liste, const std::vector<TElement>& modele) {
  liste.insert(liste.end(), modele.begin(), modele.end());
}

// Appends the entries of `modele` with their codes, the label of each taken from `libelles`.
void AjouteLibellesParCode(std::vector<TElement>& liste, const std::vector<TElement>& modele,
                           const std::map<int, const char*>& libelles) {
  for (const TElement& element : modele) Ajoute(liste, {{element.get_enum(), libelles.at(element.get_enum())}});
}

struct ListeNommee {
  std::vector<TElement> TTables_2072::*membre;
  const char* nom;
  zorfiscal2072::UsageListe usage;
};
constexpr ListeNommee kListes[] = {
#define LISTE_2072_MEMBRE(nom, usage) {&TTables_2072::nom, #nom, zorfiscal2072::UsageListe::usage},
    LISTES_2072(LISTE_2072_MEMBRE)
#undef LISTE_2072_MEMBRE
};
static_assert(std::size(kListes) == zorfiscal2072::kNombreListes);

const ListeNommee* Nommee(lettres::Liste liste) {
  const auto rang = static_cast<std::size_t>(liste);
  return rang >= 1 && rang <= std::size(kListes) ? &kListes[rang - 1] : nullptr;
}

// clang-format off
void RemplitListesSimples(TTables_2072& t) {
  Ajoute(t.ListeOuiNon, {{1, "Oui"}, {2, "Non"}});
  Ajoute(t.ListeTypePersonne, {{1, "Personne physique"}, {2, "Personne morale"}});
  Ajoute(t.ListeRegimeFiscal, {
      {1, "Revenus fonciers (particulier)"}, {2, "BA"}, {3, "BIC"}, {4, "IS"}, {5, "Revenus fonciers (BNC)"}
  });
  Ajoute(t.ListeNatureBien, {
      {1, "Urbain"}, {2, "Rural"}, {3, "Immeuble de rapport"}, {4, "Appartement"}, {5, "Maison"},
      {6, "Parking"}, {7, "Bâti"}, {8, "Non bâti"}, {9, "Autre"}
  });
  Ajoute(t.ListeModePaiement, {
      {1, "En numéraire"}, {2, "Chèque bancaire"}, {3, "Virement direct Banque de France"}
  });
  Ajoute(t.ListeCivilite, {{0, "Monsieur"}, {1, "Madame"}, {2, "Mademoiselle"}});
  namespace Complement = zorfiscal2072::ComplementNumeroVoie;
  for (short c : {Complement::Aucun, Complement::Bis, Complement::Ter, Complement::Quater})
    Ajoute(t.ListeComplementNumeroVoie, {{c, zorfiscal2072::TexteComplementNumeroVoie(c)}});
  Ajoute(t.ListeNatureComposant, {
      {1, "Agencements"}, {2, "Aménagements intérieurs"}, {3, "Ascenseurs"}, {4, "Câblages techniques"},
      {5, "Chauffage"}, {6, "Climatisation, désenfumage"}, {7, "Electricité"}, {8, "Etanchéité, toiture"},
      {9, "Façades"}, {10, "Finitions, abords"}, {11, "Gros oeuvre"}, {12, "Groupe électrogène"},
      {13, "Installations générales"}, {14, "Installations techniques"}, {15, "Menuiseries extérieures"},
      {16, "Plomberies, canalisations"}, {17, "Protection incendie"}, {18, "Revêtements de sols"},
      {19, "Second oeuvre"}, {20, "Autre (saisissez-le ci-dessous)"}
  });
  Ajoute(t.ListeModeAmortissement, {{1, "Linéaire"}, {2, "Dégressive"}});
  Ajoute(t.ListeTerme, {{1, "A long terme"}, {2, "A court terme"}});
}

// Departments and their codes agree position by position; the first entry is "none", the last
// one abroad.
void RemplitDepartements(TTables_2072& t) {
  AjouteParPosition(t.ListeDepartements, {
      "", "01 - AIN", "02 - AISNE", "03 - ALLIER", "04 - ALPES de HAUTE PROVENCE", "05 - HAUTES ALPES",
      "06 - ALPES MARITIMES", "07 - ARDECHE", "08 - ARDENNES", "09 - ARIEGE", "10 - AUBE", "11 - AUDE",
      "12 - AVEYRON", "13 - BOUCHES DU RHONE", "14 - CALVADOS", "15 - CANTAL", "16 - CHARENTE",
      "17 - CHARENTE MARITIME", "18 - CHER", "19 - CORREZE", "20A - CORSE DU SUD", "20B- HAUTE CORSE",
      "21 - COTE D'OR", "22 - COTES d'ARMOR", "23 - CREUSE", "24 - DORDOGNE", "25 - DOUBS", "26 - DROME",
      "27 - EURE", "28 - EURE ET LOIR", "29 - FINISTERE", "30 - GARD", "31 - HAUTE GARONNE", "32 - GERS",
      "33 - GIRONDE", "34 - HERAULT", "35 - ILLE et VILAINE", "36 - INDRE", "37 - INDRE et LOIRE",
      "38 - ISERE", "39 - JURA", "40 - LANDES", "41 - LOIR ET CHER", "42 - LOIRE", "43 - HAUTE LOIRE",
      "44 - LOIRE ATLANTIQUE", "45 - LOIRET", "46 - LOT", "47 - LOT ET GARONNE", "48 - LOZERE",
      "49 - MAINE ET LOIRE", "50 - MANCHE", "51 - MARNE", "52 - HAUTE MARNE", "53 - MAYENNE",
      "54 - MEURTHE et MOSELLE", "55 - MEUSE", "56 - MORBIHAN", "57 - MOSELLE", "58 - NIEVRE", "59 - NORD",
      "60 - OISE", "61 - ORNE", "62 - PAS DE CALAIS", "63 - PUY DE DOME", "64 - PYRENEES ATLANTIQUES",
      "65 - HAUTES PYRENEES", "66 - PYRENEES ORIENTALES", "67 - BAS RHIN", "68 - HAUT RHIN", "69 - RHONE",
      "70 - HAUTE SAONE", "71 - SAONE ET LOIRE", "72 - SARTHE", "73 - SAVOIE", "74 - HAUTE SAVOIE",
      "75 - PARIS", "76 - SEINE MARITIME", "77 - SEINE ET MARNE", "78 - YVELINES", "79 - DEUX SEVRES",
      "80 - SOMME", "81 - TARN", "82 - TARN ET GARONNE", "83 - VAR", "84 - VAUCLUSE", "85 - VENDEE",
      "86 - VIENNE", "87 - HAUTE VIENNE", "88 - VOSGES", "89 - YONNE", "90 - TERRITOIRE DE BELFORT",
      "91 - ESSONNE", "92 - HAUTS DE SEINE", "93 - SEINE SAINT DENIS", "94 - VAL DE MARNE", "95 - VAL D'OISE",
      "971 - GUADELOUPE", "972 - MARTINIQUE", "973 - GUYANE", "974 - REUNION",
      "975 - SAINT PIERRE ET MIQUELON", "<ETRANGER>"
  });
  AjouteParPosition(t.ListeCodesDepartements, {
      "0", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15", "16",
      "17", "18", "19", "2A", "2B", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "32",
      "33", "34", "35", "36", "37", "38", "39", "40", "41", "42", "43", "44", "45", "46", "47", "48", "49",
      "50", "51", "52", "53", "54", "55", "56", "57", "58", "59", "60", "61", "62", "63", "64", "65", "66",
      "67", "68", "69", "70", "71", "72", "73", "74", "75", "76", "77", "78", "79", "80", "81", "82", "83",
      "84", "85", "86", "87", "88", "89", "90", "91", "92", "93", "94", "95", "971", "972", "973", "974",
      "975", "999"
  });
}

// The first entry is "none"; France has code 79.
void RemplitPays(TTables_2072& t) {
  AjouteParPosition(t.ListePays, {
      "", "AFGHANISTAN", "AFRIQUE DU SUD", "ALBANIE", "ALGERIE", "ALLEMAGNE", "ANDORRE", "ANGOLA", "ANGUILLA",
      "ANTARCTIQUE", "ANTIGUA-ET-BARBUDA", "ANTILLES NEERLANDAISES", "ARABIE SAOUDITE", "ARGENTINE",
      "ARMENIE", "ARUBA", "AUSTRALIE", "AUTRICHE", "AZERBAIDJAN", "BAHAMAS", "BAHREIN", "BANGLADESH",
      "BARBADE", "BELARUS", "BELGIQUE", "BELIZE", "BENIN", "BERMUDES", "BHOUTAN", "BOLIVIE",
      "BOSNIE-HERZEGOVINE", "BOTSWANA", "BOUVET, ILE", "BRESIL", "BRUNEI DARUSSALAM", "BULGARIE",
      "BURKINA FASO", "BURUNDI", "CAIMANES, ILES", "CAMBODGE", "CAMEROUN", "CANADA", "CAP-VERT",
      "CENTRAFRICAINE,  REPUBLIQUE", "CHILI", "CHINE", "CHRISTMAS, ILE", "CHYPRE", "COCOS (KEELING), ILE DES",
      "COLOMBIE", "COMORES", "CONGO", "CONGO, REPUBLIQUE DEMOCRATIQUE DE", "COOK, ILES",
      "COREE, REPUBLIQUE DE", "COREE, REPUBLIQUE POPULAIRE DEMOCRATIQUE DE", "COSTA RICA", "COTE D’IVOIRE",
      "CROATIE", "CUBA", "DANEMARK", "DJIBOUTI", "DOMINICAINE, REPUBLIQUE", "DOMINIQUE", "EGYPTE",
      "EL SAVADOR", "EMIRATS ARABES UNIS", "EQUATEUR", "ERYTHREE", "ESPAGNE", "ESTONIE", "ETATS-UNIS",
      "ETHIOPIE", "EX-REPUBLIQUE YOUGOSLAVE DE MACEDOINE", "FALKLAND, ILE (MALVINAS)", "FEROE, ILES", "FIDJI",
      "FINLANDE", "FRANCE", "GABON", "GAMBIE", "GEORGIE", "GEORGIE DU SUD ET LES ILES SANDWICH DU SUD",
      "GHANA", "GIBRALTAR", "GRECE", "GRENADE", "GROENLAND", "GUADELOUPE", "GUAM", "GUATEMALA", "GUINEE",
      "GUINEE EQUATORIALE", "GUINEE-BISSAU", "GUYANA", "GUYANE FRANCAISE", "HAITI",
      "HEARD ET ILES MCDONALD, ILE", "HONDURAS", "HONG KONG", "HONGRIE",
      "ILES MINEURES ELOIGNEES DES ETATS-UNIS", "ILES VIERGES BRITANNIQUES", "ILES VIERGES (E.U.)", "INDE",
      "INDONESIE", "IRAN, REPUBLIQUE ISLAMIQUE D’", "IRAQ", "IRLANDE", "ISLANDE", "ISRAEL", "ITALIE",
      "JAMAIQUE", "JAPON", "JORDANIE", "KAZAKSTAN", "KENYA", "KIRGHIZISTAN", "KIRIBATI", "KOWEIT",
      "LAO, REPUBLIQUE DEMOCRATIQUE POPULAIRE", "LESOTHO", "LETTONIE", "LIBAN", "LIBERIA",
      "LIBYENNE, JAMAHIRIYA ARABE", "LIECHTENSTEIN", "LITUANIE", "LUXEMBOURG", "MACAO", "MADAGASCAR",
      "MALAISIE", "MALAWI", "MALDIVES", "MALI", "MALTE", "MARIANNES DU NORD, ILES", "MAROC", "MARSHALL, ILES",
      "MARTINIQUE", "MAURICE", "MAURITANIE", "MAYOTTE", "MEXIQUE", "MICRONESIE, ETATS FEDERES DE",
      "MOLDOVA, REPUBLIQUE DE", "MONACO", "MONGOLIE", "MONTENEGRO", "MONTSERRAT", "MOZAMBIQUE", "MYANMAR",
      "NAMIBIE", "NAURU", "NEPAL", "NICARAGUA", "NIGER", "NIGERIA", "NIOUE", "NORFOLK, ILE", "NORVEGE",
      "NOUVELLE-CALEDONIE", "NOUVELLE-ZELANDE", "OCEAN INDIEN, TERRITOIRE BRITANNIQUE DE L’", "OMAN",
      "OUZBEKISTAN", "PAKISTAN", "PALAU", "PALESTINE, TERRITOIRE", "PANAMA", "PAPOUASIE-NOUVELLE-GUINEE",
      "PARAGUAY", "PAYS-BAS", "PEROU", "PHILIPPINES", "PITCAIRN", "POLOGNE", "POLYNESIE FRANCAISE",
      "PORTO RICO", "PORTUGAL", "QUATAR", "REUNION", "ROUMANIE", "ROYAUME-UNI", "RUSSIE, FEDERATION DE",
      "RWANDA", "SAHARA OCCIDENTAL", "SAINT-KITTS-ET-NEVIS", "SAINT-MARIN", "SAINT-PIERRE-ET-MIQUELON",
      "SAINT-VINCENT-ET-GRENADINES", "SAINTE-HELENE", "SAINTE-LUCIE", "SALOMON, ILES", "SAMOA",
      "SAMOA AMERICAINES", "SAO TOME-ET-PRINCIPE", "SENEGAL", "SERBIE", "SEYCHELLES", "SIERRA LEONE",
      "SINGAPOUR", "SLOVAQUIE", "SLOVENIE", "SOMALIE", "SOUDAN", "SRI LANKA", "SUEDE", "SUISSE", "SURINAME",
      "SVALBARD ET ILES JAN MAYEN", "SWAZILAND", "SYRIENNE, REPUBLIQUE ARABE", "TADJIKISTAN",
      "TAIWAN, PROVINCE DE CHINE", "TANZANIE, REPUBLIQUE DE", "TCHAD", "TCHEQUE, REPUBLIQUE",
      "TERRES AUSTRALES FRANCAISE", "THAILANDE", "TIMOR ORIENTAL", "TOGO", "TOKELAOU", "TONGA",
      "TRINITE-ET-TOBAGO", "TUNISIE", "TURKMENISTAN", "TURQUES ET CAIQUES, ILES", "TURQUIE", "TUVALU",
      "UGANDA", "UKRAINE", "URUGUAY", "VANUATU", "VATICAN, ETAT DE LA CITE DU SAINT-SIEGE", "VENEZUELA",
      "VIET NAM", "WALLIS ET FUTUNA, ILES", "YEMEN", "ZAMBIE", "ZIMBABWE"
  });
}

// Titles and legal forms come in five title/legal-form pairs, one per kind of person the host
// asks for; the abbreviations list repeats each pair's codes with their short forms.
void RemplitTitresEtFormes(TTables_2072& t) {
  Ajoute(t.ListeTitres1, {{26, "Madame"}, {27, "Mademoiselle"}, {29, "Monsieur"}});
  Ajoute(t.ListeFormesJuridiques1, {
      {2, "Cabinet"}, {6, "Compagnie"}, {10, "Entreprise"}, {11, "Entreprise Collective"},
      {12, "Entreprise individuelle"}, {13, "Entreprise unipersonnelle à responsabilité limitée"},
      {15, "Exploitation agricole à responsabilité limitée"}, {18, "Groupement"}, {31, "Société"},
      {32, "Société anonyme"}, {33, "Société anonyme par actions simplifiée"},
      {34, "Société anomyme d’exploitation"}, {35, "Société à responsabilité limitée"},
      {36, "Société civile (autre que infra)"}, {37, "Société civile d'exploitation agricole"},
      {38, "Société civile d'exploitation vinicole"}, {39, "Société civile immobilière"},
      {40, "Société civile de moyens"}, {41, "Société civile professionnelle"},
      {42, "Société civile de placement collectif immobilier"}, {43, "Société civile participation gestion"},
      {44, "Société d’économie mixte"}, {45, "Société de droit étranger"}, {46, "Société de fait"},
      {47, "Société d'exercice libéral à forme anonyme"},
      {48, "Société d'exercice libéral à responsabilité limitée"},
      {49, "Société d'exercice libéral en commandite par actions"},
      {50, "Société d’exploitation libérale à forme anonyme"},
      {51, "Société d’exploitation libérale unipersonnelle à responsabilité limitée"},
      {52, "Société civile d’exploitation"}, {53, "Société en commandite simple"},
      {54, "Société civile de construction vente"}, {55, "Société en commandite par actions"},
      {56, "Société en nom collectif"}, {57, "Société civile de vente volontaire"},
      {59, "Société en participation"}, {60, "Société en participation de professions libérales"},
      {61, "Société d'intérêt collectif agricole"}, {62, "Société immobilière de gestion"},
      {63, "Société immobilière d'investissement"}, {64, "Société mixte d'intérêt agricole"}
  });
  Ajoute(t.ListeFormesJuridiques2,
         {{1, "Association"}, {2, "Cabinet"}, {18, "Groupement"}, {31, "Société"}});
  // The broadest list: forms of associations and groupings, then the companies of the first list.
  Ajoute(t.ListeFormesJuridiques4, {
      {1, "Association"}, {2, "Cabinet"}, {3, "Collectivité locale"}, {6, "Compagnie"}, {7, "Coopérative"},
      {8, "Coopérative d’utilisation de matériel agricole"}, {10, "Entreprise"},
      {11, "Entreprise Collective"}, {12, "Entreprise individuelle"},
      {13, "Entreprise unipersonnelle à responsabilité limitée"}, {14, "Établissement"}, {16, "Fédération"},
      {18, "Groupement"}, {19, "Groupement agricole d’exploitation en commun"},
      {20, "Groupement d’intérêt économique"}, {21, "Groupement européen d’intérêt économique"},
      {22, "Groupement foncier agricole"}, {23, "Groupement foncier rural"}, {24, "Groupement forestier"}
  });
  for (const TElement& forme : t.ListeFormesJuridiques1)
    if (forme.get_enum() >= 31) t.ListeFormesJuridiques4.push_back(forme);
  AjouteCopie(t.ListeTitres2, t.ListeTitres1);
  AjouteCopie(t.ListeTitres3, t.ListeTitres1);
  AjouteCopie(t.ListeTitres4, t.ListeTitres1);
  AjouteCopie(t.ListeTitres5, t.ListeTitres1);
  AjouteCopie(t.ListeFormesJuridiques3, t.ListeFormesJuridiques2);
  AjouteCopie(t.ListeFormesJuridiques5, t.ListeFormesJuridiques2);

  const std::map<int, const char*> abreviations{
      {26, "MME"}, {27, "MLE"}, {29, "M"}, {1, "ASS"}, {2, "CAB"}, {3, "CL"}, {6, "CIE"}, {7, "COP"},
      {8, "CMA"}, {10, "ENT"}, {11, "COL"}, {12, "EI"}, {13, "ERL"}, {14, "ETS"}, {15, "ARL"}, {16, "FED"},
      {18, "GPT"}, {19, "GEC"}, {20, "GIE"}, {21, "GEI"}, {22, "GFA"}, {23, "GFR"}, {24, "GF"}, {31, "STE"},
      {32, "SA"}, {33, "SAS"}, {34, "SAE"}, {35, "SRL"}, {36, "SC"}, {37, "SEA"}, {38, "SEV"}, {39, "SCI"},
      {40, "SCM"}, {41, "SCP"}, {42, "SPI"}, {43, "SPG"}, {44, "SEM"}, {45, "SDE"}, {46, "SEF"}, {47, "SLA"},
      {48, "SLR"}, {49, "SLC"}, {50, "SEL"}, {51, "SLU"}, {52, "SCE"}, {53, "SCS"}, {54, "SCV"}, {55, "SCA"},
      {56, "SNC"}, {57, "SVV"}, {59, "STP"}, {60, "SPL"}, {61, "SIC"}, {62, "SIG"}, {63, "SII"}, {64, "SMI"}
  };
  const std::vector<TElement>* paires[][2] = {{&t.ListeTitres1, &t.ListeFormesJuridiques1},
                                              {&t.ListeTitres2, &t.ListeFormesJuridiques2},
                                              {&t.ListeTitres3, &t.ListeFormesJuridiques3},
                                              {&t.ListeTitres4, &t.ListeFormesJuridiques4},
                                              {&t.ListeTitres5, &t.ListeFormesJuridiques5}};
  for (const auto& paire : paires)
    for (const std::vector<TElement>* liste : paire)
      AjouteLibellesParCode(t.ListeAbreviationsTitresFormes, *liste, abreviations);
}

// Tax options offered per property category (1, 4, 6, 7, 8), deduction-rate options,
// categories and deduction rates.
void RemplitOptions(TTables_2072& t) {
  Ajoute(t.ListeOptionsCategorie1, {
      {1, "Dispositif ordinaire"}, {2, "Option amortissement Périssol"},
      {3, "Option amortissement Besson neuf"}, {4, "Option amortissement Robien classique"},
      {9, "Option amortissement Robien recentré"}, {11, "Option amortissement Borloo neuf"},
      {18, "Option 26 % - Scellier ZRR"}, {6, "Option 26 % - Besson ancien"},
      {7, "Option 26 % - Robien classique - ZRR"}, {10, "Option 26 % - Robien recentré - ZRR"},
      {19, "Option 30 % - Scellier secteur intermédiaire"},
      {20, "Option 30 % - Scellier secteur intermédiaire (DOM-TOM)"},
      {12, "Option 30 % - Borloo ancien secteur intermediaire"}, {15, "Option 40 % - Carrières"},
      {13, "Option 45 % - Borloo ancien - secteur social"},
      {25, "Option 60 % - Borloo ancien - secteur social"},
      {24, "Option 70 % - Borloo ancien - secteur social et intermédiaire"}
  });
  Ajoute(t.ListeOptionsCategorie4, {
      {1, "Dispositif ordinaire"}, {6, "Option 26 % - Besson ancien"},
      {12, "Option 30 % - Borloo ancien secteur intermediaire"}, {15, "Option 40 % - Carrières"},
      {13, "Option 45 % - Borloo ancien - secteur social"},
      {25, "Option 60 % - Borloo ancien - secteur social"},
      {24, "Option 70 % - Borloo ancien - secteur social et intermédiaire"}
  });
  AjouteCopie(t.ListeOptionsCategorie6, t.ListeOptionsCategorie4);
  Ajoute(t.ListeOptionsCategorie7, {{1, "Dispositif ordinaire"}});
  Ajoute(t.ListeOptionsCategorie8, {{1, "Dispositif ordinaire"}});

  // The short labels drop the leading option wording ("Option amortissement", "Option 26 % -").
  const std::map<int, const char*> abregees{
      {1, "Dispositif ordinaire"}, {2, "Périssol"}, {3, "Besson neuf"}, {4, "Robien classique"},
      {9, "Robien recentré"}, {11, "Borloo neuf"}, {18, "Scellier ZRR"}, {6, "Besson ancien"},
      {7, "Robien classique - ZRR"}, {10, "Robien recentré - ZRR"}, {19, "Scellier secteur intermédiaire"},
      {20, "Scellier secteur intermédiaire (DOM-TOM)"}, {12, "Borloo ancien secteur intermediaire"},
      {15, "Carrières"}, {13, "Borloo ancien - secteur social"}, {25, "Borloo ancien - secteur social"},
      {24, "Borloo ancien - secteur social et intermédiaire"}
  };
  for (const auto* liste : {&t.ListeOptionsCategorie1, &t.ListeOptionsCategorie4, &t.ListeOptionsCategorie6,
                            &t.ListeOptionsCategorie7, &t.ListeOptionsCategorie8})
    AjouteLibellesParCode(t.ListeOptionsAbregees, *liste, abregees);

  Ajoute(t.ListeOptionsTauxDeduction, {
      {3, "(aucune)"}, {18, "Scellier ZRR - 26 %"}, {5, "Besson ancien, Robien ZRR, ... - 26 %"},
      {10, "Borloo neuf - 30 %"}, {19, "Scellier dans le secteur intermédiaire - 30 %"},
      {20, "Scellier dans le secteur intermédiaire + DOM-TOM - 30 %"},
      {11, "Borloo ancien dans le secteur intermédiaire - 30 %"},
      {15, "Carrière, sablière, gisement minéral, ... - 40 %"},
      {12, "Borloo ancien dans le secteur social - 45 %"},
      {25, "Borloo ancien dans le secteur social - 60 %"},
      {24, "Borloo ancien dans le secteur social et intermédiaire - 70 %"}, {8, "Autre cas"}
  });
  Ajoute(t.ListeOptionsTauxDeduction2, {
      {3, "(aucun)"}, {18, "Scellier ZRR - 26 %"}, {5, "Besson ancien, Robien ZRR, ... - 26%"},
      {10, "Borloo neuf - 30%"}, {19, "Scellier dans le secteur intermédiaire - 30 %"},
      {20, "Scellier dans le secteur intermédiaire + DOM-TOM - 30 %"},
      {11, "Borloo ancien dans le secteur intermédiaire - 30%"},
      {15, "Carrière, sablière, gisement minéral, ... - 40%"},
      {12, "Borloo ancien dans le secteur social - 45%"}, {25, "Borloo ancien dans le secteur social - 60 %"},
      {24, "Borloo ancien dans le secteur social et intermédiaire - 70 %"}, {8, "Autre cas"}
  });
  Ajoute(t.ListeCategoriesBien, {
      {1, "Propriétés rurales et/ou urbaines ordinaires"},
      {4, "Sect. sauv., autorisation de travaux entre le 1-1-95 et le 31-12-08"},
      {6, "Monuments historiques ou labellisés Fondation du patrimoine"},
      {8, "Espaces naturels labellisés Fondation du patrimoine"}, {7, "Nue-propriété"}
  });
  Ajoute(t.ListeCategoriesBienAbregees, {
      {1, "Propriétés rurales et urbaines"}, {4, "Secteurs sauvegardés"}, {6, "Monuments historiques"},
      {8, "Espaces naturels"}, {7, "Nues-propriétés"}
  });
  Ajoute(t.ListeTauxDeduction1, {
      {1, "9 %"}, {2, "11 %"}, {6, "15 %"}, {3, "16 %"}, {4, "19 %"}, {5, "33,33 %"}
  });
  AjouteCopie(t.ListeTauxDeduction2, t.ListeTauxDeduction1);
}
// clang-format on

// Created on first use; the holder's destructor, among the library's exit routines, destroys
// the instance if it was ever created (a null holder is the "never created" flag).
constinit std::unique_ptr<TTables_2072> g_instance;

}  // namespace

TTables_2072* TTables_2072::getInstance() {
  if (!g_instance) g_instance = std::make_unique<TTables_2072>();
  return g_instance.get();
}

std::vector<TElement>::iterator TTables_2072::getElement(std::vector<TElement>& liste, int code) {
  return std::find_if(liste.begin(), liste.end(), [code](const TElement& e) { return e.get_enum() == code; });
}

void TTables_2072::Init() {
  RemplitListesSimples(*this);
  RemplitDepartements(*this);
  RemplitPays(*this);
  RemplitTitresEtFormes(*this);
  RemplitOptions(*this);
}

const std::vector<TElement>* TTables_2072::Liste(lettres::Liste liste) const {
  const ListeNommee* n = Nommee(liste);
  return n != nullptr ? &(this->*n->membre) : nullptr;
}

const char* TTables_2072::NomListe(lettres::Liste liste) {
  const ListeNommee* n = Nommee(liste);
  return n != nullptr ? n->nom : "";
}

zorfiscal2072::UsageListe TTables_2072::Usage(lettres::Liste liste) {
  const ListeNommee* n = Nommee(liste);
  return n != nullptr ? n->usage : zorfiscal2072::UsageListe::Hote;
}

const std::vector<lettres::Liste>& TTables_2072::Listes() {
  static const std::vector<lettres::Liste> listes = [] {
    std::vector<lettres::Liste> l;
    for (std::size_t rang = 1; rang <= std::size(kListes); ++rang) l.push_back(static_cast<lettres::Liste>(rang));
    return l;
  }();
  return listes;
}
