#include "composant2072.h"

void TCreerLettrage_2072::Execute(structListeLettres**, bool) {}
