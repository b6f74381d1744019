// Opening a declaration file as every host does: its text read and checked, its records
// created and loaded, then what entering its properties gives. A program that opens files
// this way computes the figures of the command line.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>

#include "format/declaration.h"

namespace hote2072 {

// The declaration a file's text holds, or null with the problems in the report; with
// `codesDonnes`, the codes the file gives its records (the others were generated).
std::unique_ptr<TDonnee2072> OuvreTexte(std::string_view texte, Rapport& rapport,
                                        std::unordered_set<std::string>* codesDonnes = nullptr);

// The same for a file ("-" for standard input). Throws ErreurFichier when it cannot be read.
std::unique_ptr<TDonnee2072> OuvreFichier(const std::string& chemin, Rapport& rapport,
                                          std::unordered_set<std::string>* codesDonnes = nullptr);

}  // namespace hote2072
