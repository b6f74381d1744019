/* Loads a declaration, raises the gross rents of its first property by 10 %, computes it and
 * prints each partner's share of the result, before and after:
 *   loyer examples/sci-du-parc.json */
#include <sci2072/sci2072.h>
#include <stdio.h>
#include <stdlib.h>

static int echec(sci2072_declaration* d, const char* quoi) {
  fprintf(stderr, "%s: %s\n", quoi, sci2072_message(d));
  sci2072_ferme(d);
  return 1;
}

/* Each partner's share of the result (RevenuOuDeficit of the partner's statement, level 301). */
static int affiche_parts(sci2072_declaration* d, const char* titre) {
  size_t associes = 0;
  if (sci2072_nombre(d, 301, NULL, 0, &associes) != SCI2072_OK) return 0;
  printf("%s\n", titre);
  for (size_t k = 0; k < associes; ++k) {
    const sci2072_niveau associe[] = {{301, (int)k}};
    char *nom = NULL, *part = NULL;
    if (sci2072_lit_champ(d, "Designation", associe, 1, &nom) != SCI2072_OK ||
        sci2072_lit_champ(d, "TotalRevenuOuDeficit", associe, 1, &part) != SCI2072_OK) {
      sci2072_libere(nom);
      return 0;
    }
    printf("  %s: %s\n", nom, part);
    sci2072_libere(nom);
    sci2072_libere(part);
  }
  return 1;
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: loyer DECLARATION.json\n");
    return 2;
  }
  sci2072_declaration* d = sci2072_nouvelle();
  if (d == NULL) return 1;
  if (sci2072_charge_fichier(d, argv[1]) != SCI2072_OK) return echec(d, argv[1]);
  if (!affiche_parts(d, "before")) return echec(d, "reading the partners");

  const sci2072_niveau propriete[] = {{300, 0}};
  char* loyer = NULL;
  if (sci2072_lit_champ(d, "LoyerBrut", propriete, 1, &loyer) != SCI2072_OK) return echec(d, "LoyerBrut");
  char nouveau[64];
  snprintf(nouveau, sizeof nouveau, "%.2f", atof(loyer) * 1.10);
  printf("gross rents of property 0: %s -> %s\n", loyer, nouveau);
  sci2072_libere(loyer);
  if (sci2072_modifie_champ(d, "LoyerBrut", propriete, 1, nouveau) != SCI2072_OK) return echec(d, "LoyerBrut");
  if (sci2072_calcule(d) != SCI2072_OK) return echec(d, "computing");
  if (!affiche_parts(d, "after")) return echec(d, "reading the partners");
  sci2072_ferme(d);
  return 0;
}
