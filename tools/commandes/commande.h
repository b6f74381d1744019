// A command of sci2072 as data: its name, its help, its options bound to variables and what
// it runs. Only sci2072.cpp turns these into the command-line parser, so that the parser's
// headers are compiled once.
#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace hote2072 {

struct Option {
  std::string noms;  // "-o,--output", "--json"; "IN" for a positional argument
  std::string aide;
  // A flag sets a bool, an option a text, a positional argument taking several values a list.
  std::variant<std::string*, bool*, std::vector<std::string>*> cible;
  bool requise = false;
  std::string requiert{};  // names of an option declared before, without which this one is refused
  // Checks the text given: empty when good, else what is wrong; `forme` shows its shape in the help.
  std::function<std::string(const std::string&)> verifie{};
  std::string forme{};
  bool* donnee = nullptr;  // set to whether the option was given
};

struct Commande {
  std::string nom, aide;
  std::vector<Option> options;
  std::function<int()> execute;  // the exit status
};

}  // namespace hote2072
