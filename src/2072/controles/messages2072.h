// The numbered messages of the screen checks: number, identifier and the kind of record each
// concerns, so that a host can show a message at its record.
#pragma once

#include <array>
#include <cstdint>

namespace zorfiscal2072 {

// The record a message concerns. Numbers 1 to 75 belong to no rule of the checks.
enum class EnregistrementMessage : std::uint8_t {
  Aucun,
  General,       // general information
  Cession,       // a sale by the company (level 305)
  Associe,       // a partner (301)
  Propriete,     // a property (300)
  Locataire,     // a tenant of a property (300, 303)
  Beneficiaire,  // a beneficiary of a property (300, 304)
  Composant,     // a depreciable component of a property (300, 308)
  CessionParts,  // a transfer of shares (309)
};

struct MessageControle {
  short numero;
  const char* identifiant;
  EnregistrementMessage enregistrement;
};

inline constexpr short kNombreMessages = 168;

// Numbers 1 to 168 in order.
const std::array<MessageControle, kNombreMessages>& Messages2072();
// The message of a number, or null outside 1 to 168.
const MessageControle* DonneMessage(int numero);

}  // namespace zorfiscal2072
