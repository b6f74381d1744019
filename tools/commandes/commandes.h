// The commands of sci2072: each is one registration function in a file of its own, listed once
// in kCommandes (sci2072.cpp), and shares the helpers below.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <memory>
#include <string>

#include "tdonnee2072.h"

namespace hote2072 {

using zorfiscal2072::TDonnee2072;

// Exit statuses of every command.
constexpr int kSucces = 0, kEntreeInvalide = 1, kUsage = 2;
constexpr int kMessagesTrouves = 3;  // check: the declaration has messages

// Runs a command; failures to read or write a file are invalid input like a bad letter.
int Execute(const std::function<int()>& commande);

// The declaration in a file ("-" for standard input), or null once its problems are on
// standard error.
std::unique_ptr<TDonnee2072> ChargeDeclaration(const std::string& chemin);

// The IN argument every command that reads a declaration takes.
void AjouteEntree(CLI::App& commande, std::string& entree);

void EnregistreCompute(CLI::App& app, int& statut);
void EnregistreDictionary(CLI::App& app, int& statut);
void EnregistreCheck(CLI::App& app, int& statut);
void EnregistreSample(CLI::App& app, int& statut);
void EnregistreTokens(CLI::App& app, int& statut);
void EnregistreMigrate(CLI::App& app, int& statut);
void EnregistreSelect(CLI::App& app, int& statut);
void EnregistreSummary(CLI::App& app, int& statut);
void EnregistreReport(CLI::App& app, int& statut);

}  // namespace hote2072
