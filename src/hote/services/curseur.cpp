#include "services/curseur.h"

namespace hote2072 {

namespace {

struct MessageChamp {
  short numero;
  short champ;
};

// One row per message the checks emit without a cursor: the letter of the field it is about.
// The depreciation-line rules (78, 79, 82, 83, 88, 89, 97, 98, 100, 101, 103, 104, 138 to
// 151, 156 to 158) give their own cursor.
constexpr MessageChamp kChamps[] = {
    {76, 12117},  // acquisition before 1996 under a depreciation scheme: DateAcquisition
    {77, 12118},  // DateAchevement missing
    {80, 12117},  {81, 12298},  {84, 12117},  {85, 12298},  {86, 12117},  {87, 12117},  {90, 12298},
    {91, 12117},  {92, 12117},  {93, 12298},  {94, 12117},  {95, 12117},  {96, 12117},  {99, 12117},
    {102, 12117}, {105, 12117}, {106, 12117}, {107, 12044},  // NombrePartsTotal below the partners' shares
    {108, 12044},                                            // shares of results above 100 %
    {109, 12003},                                            // SocieteNom
    {110, 12005},                                            // SocieteNomPreimprime
    {111, 12043},                                            // Capital
    {112, 12044},                                            // NombrePartsTotal
    {113, 12024}, {114, 12025}, {115, 12525},                // manager: surname, first name, legal-person name
    {116, 12341}, {117, 12342}, {118, 12535},                // administrator
    {119, 12332}, {120, 12333}, {121, 12530},                // accountant
    {122, 12578}, {123, 12579}, {124, 12575},                // adviser
    {125, 12075},                                            // partner: NombreParts
    {126, 12055},                                            // Nom
    {127, 12056},                                            // NomMarital
    {128, 12064},                                            // Denomination
    {129, 12546},                                            // NumeroSIREN
    {130, 12547},                                            // NumeroNIC
    {131, 12672},                                            // sale: Libelle
    {132, 12568}, {133, 12568},                              // sale: Date
    {134, 12102},                                            // property: Nom
    {135, 12387},                                            // NombreLocauxCRL
    {136, 12593},                                            // tenant: Nom
    {137, 12737},                                            // beneficiary: IdentiteBeneficiaire
    {152, 12117}, {153, 12298}, {154, 12298}, {155, 12298}, {159, 12117}, {160, 12651},  // component: NomSaisi
    {161, 12726},                // transfer of shares: NombreParts
    {162, 12762},                // transferor and transferee the same partner
    {163, 12710},                // NomCessionnaire
    {164, 12718},                // NomCedant
    {165, 12727}, {166, 12727},  // DateCession
    {167, 12817},                // DateDebutExercice
    {168, 12047},                // DateClotureExercice
};

}  // namespace

short ChampDuMessage(short numero, short curseurMoteur) {
  if (curseurMoteur != 0) return curseurMoteur;
  for (const MessageChamp& m : kChamps)
    if (m.numero == numero) return m.champ;
  return 0;
}

}  // namespace hote2072
