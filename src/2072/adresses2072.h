// The addresses of the declaration, one class per role: each gives the ten address
// fields that role's letter codes.
#pragma once

#include "tablelettres.h"
#include "tadresse2072.h"

namespace zorfiscal2072 {

// Field `champ` of an address exchanged under `code`: its name, primitive, list and label,
// which `role` opens ("Adresse du gérant : code postal"). `tailleTypeVoie` is 35, or 51 for
// the tax office.
lettres::DescriptionLettre DescriptionAdresse(short code, ChampAdresse champ, const char* role,
                                              short tailleTypeVoie = 35);
// The letter table of an address whose fields travel under `codes`.
lettres::TableLettres<TAdresse2072> TableAdresse(const CodesAdresse& codes, const char* role,
                                                 short tailleTypeVoie = 35);

// Codes in the order: number, complement, street name, composed street line, delivery
// complement, locality, postal code, town, country, street type.
template <CodesAdresse Codes, lettres::TexteFixe Role, short TailleTypeVoie = 35>
class TAdresseRole : public TAdresse2072 {
 public:
  bool TransfertLettreXX(structLettre* lettre, long sens) override { return Lettres().Transfert(*this, lettre, sens); }
  static const lettres::TableLettres<TAdresse2072>& Lettres() {
    static const auto table = TableAdresse(Codes, Role.texte, TailleTypeVoie);
    return table;
  }
};

class TAdresseGerant
    : public TAdresseRole<CodesAdresse{12456, 12457, 12458, 12459, 12460, 12461, 12027, 12028, 12462, 12553},
                          "Adresse du gérant"> {
 public:
  void CasTestXX() override;  // sample values
};
class TAdresseComptable
    : public TAdresseRole<CodesAdresse{12463, 12464, 12465, 12466, 12467, 12468, 12335, 12336, 12469, 12554},
                          "Adresse du comptable"> {
 public:
  void CasTestXX() override;  // sample values
};
class TAdresseAdministrateur
    : public TAdresseRole<CodesAdresse{12470, 12471, 12472, 12473, 12474, 12475, 12344, 12345, 12476, 12555},
                          "Adresse de l'administrateur"> {};
class TAdresseDeclarant
    : public TAdresseRole<CodesAdresse{12477, 12478, 12479, 12480, 12481, 12482, 12014, 12015, 12483, 12556},
                          "Adresse du déclarant"> {};
class TAdresseDestinataire
    : public TAdresseRole<CodesAdresse{12484, 12485, 12486, 12487, 12488, 12489, 12021, 12022, 12490, 12557},
                          "Adresse du destinataire de la déclaration"> {};
class TAdresseNouveauDestinataire
    : public TAdresseRole<CodesAdresse{12491, 12492, 12493, 12494, 12495, 12496, 12394, 12395, 12497, 12558},
                          "Adresse du nouveau destinataire"> {
 public:
  void CasTestXX() override;  // sample values
};
class TAdresseCDI
    : public TAdresseRole<CodesAdresse{12498, 12499, 12500, 12501, 12502, 12503, 12032, 12033, 12504, 12559},
                          "Adresse du service des impôts", 51> {
 public:
  void CasTestXX() override;  // sample values
};
class TAdressePropriete2072
    : public TAdresseRole<CodesAdresse{12505, 12506, 12507, 12508, 12509, 12510, 12108, 12109, 12511, 12560},
                          "Adresse de l'immeuble"> {};
class TAdresseAssocie
    : public TAdresseRole<CodesAdresse{12512, 12513, 12514, 12515, 12516, 12517, 12072, 12073, 12074, 12561},
                          "Adresse de l'associé"> {};
class TAdresseConseil
    : public TAdresseRole<CodesAdresse{12580, 12581, 12582, 12584, 12585, 12586, 12587, 12588, 12589, 12583},
                          "Adresse du conseil"> {
 public:
  void CasTestXX() override;  // sample values
};
class TAdresseAvantDemenagement
    : public TAdresseRole<CodesAdresse{12622, 12623, 12624, 12626, 12627, 12628, 12621, 12629, 12630, 12625},
                          "Adresse de l'associé avant son déménagement"> {};

// A seat of the company: the general information exchanges its fields under its own codes.
class TSocieteAdresseSiege : public TAdresse2072 {};

}  // namespace zorfiscal2072
