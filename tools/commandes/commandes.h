// The commands of sci2072: each is one function in a file of its own, describing its options
// and what it runs, listed once in kCommandes (sci2072.cpp); they share the helpers below.
#pragma once

#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <unordered_set>

#include "commande.h"
#include "tdonnee2072.h"

namespace hote2072 {

using zorfiscal2072::TDonnee2072;

// Exit statuses of every command.
constexpr int kSucces = 0, kEntreeInvalide = 1, kUsage = 2;
constexpr int kMessagesTrouves = 3;  // check: the declaration has messages

// Runs a command; failures to read or write a file are invalid input like a bad letter, said
// on `erreurs`.
int Execute(const std::function<int()>& commande, std::ostream& erreurs = std::cerr);

// The declaration in a file ("-" for standard input), or null once its problems are said on
// `erreurs`, each line under the file's name; with `codesDonnes`, the codes the file gives its
// records.
std::unique_ptr<TDonnee2072> ChargeDeclaration(const std::string& chemin,
                                               std::unordered_set<std::string>* codesDonnes = nullptr,
                                               std::ostream& erreurs = std::cerr);
// The same, computed (Update) when it loads.
std::unique_ptr<TDonnee2072> ChargeCalculee(const std::string& chemin,
                                            std::unordered_set<std::string>* codesDonnes = nullptr,
                                            std::ostream& erreurs = std::cerr);

// The IN argument every command that reads a declaration takes.
Option Entree(std::string& entree);
// The --index option of the commands that look at one record or screen: a list of index keys
// and positions, checked as the command line is read; `donne` says whether it was given.
Option OptionIndex(std::string& index, bool& donne, std::string aide, std::string forme);

Commande CommandeCompute();
Commande CommandeDictionary();
Commande CommandeCheck();
Commande CommandeSample();
Commande CommandeTokens();
Commande CommandeMigrate();
Commande CommandeSelect();
Commande CommandeSummary();
Commande CommandeReport();
Commande CommandeServe();

}  // namespace hote2072
