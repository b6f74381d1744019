// The field a screen puts the cursor on for a message of the screen checks.
#pragma once

namespace hote2072 {

// The engine's own cursor letter when it gives one (the rules on depreciation lines),
// otherwise the field the message is about (the partner's surname for "Nom de l'associé non
// renseigné"); 0 for a message that names no field.
short ChampDuMessage(short numero, short curseurMoteur);

}  // namespace hote2072
