// Host framework: conversion of a declaration saved by an earlier engine. A step converts the
// letters (or the record) from the format of one version to the next; the manager runs the
// steps a file needs, in registration order; the info carries the file's letters, its
// version, and the record of what the steps did that a person should know.
#pragma once

#include <compare>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "lettres.h"
#include "tindex.h"

class TDonneeBase;

// A version "YEAR.RELEASE", compared as numbers: 2010.10 comes after 2010.2.
struct VersionMoulinette {
  long annee = 0;
  long edition = 0;
  auto operator<=>(const VersionMoulinette&) const = default;
};

// The version a text names: one to four digits, a dot, one to four digits, nothing else.
// Nothing for any other text: a version is never guessed.
std::optional<VersionMoulinette> LitVersionMoulinette(const std::string& texte);

class TMoulinetteInfo {
 public:
  enum class Evenement {
    Force,   // a value the step set whatever the old one was
    Coupe,   // a text cut to a bound
    Ecarte,  // an old letter that found no place in today's declaration
  };
  struct Note {
    short code;
    TIndex index;
    Evenement evenement;
    std::string detail;
  };

  // The letters of one record of a file saved by the engine of `version`, reached with `index`.
  explicit TMoulinetteInfo(std::string version, TIndex index = {}) : m_version(std::move(version)), m_index(index) {}
  ~TMoulinetteInfo() { LibereListeLettres(&m_liste); }
  TMoulinetteInfo(const TMoulinetteInfo&) = delete;
  TMoulinetteInfo& operator=(const TMoulinetteInfo&) = delete;

  // The list being converted; the letter library's operations act on it (AjouteLettre takes
  // the address of this pointer). The info frees it.
  structListeLettres*& geTListeLettres() { return m_liste; }
  const std::string& getVersion() const { return m_version; }
  const TIndex& getIndex() const { return m_index; }

  void AjouteNote(short code, Evenement evenement, std::string detail) {
    m_notes.push_back({code, m_index, evenement, std::move(detail)});
  }
  const std::vector<Note>& Notes() const { return m_notes; }

  // Old letters a step read: their content went into other letters or into the record.
  void MarqueLue(short code) { m_lues.insert(code); }
  bool EstLue(short code) const { return m_lues.count(code) != 0; }

  // The old letter whose text a new one carries, so that problems name the letter of the
  // file; a code no step derived is its own origin.
  void NoteOrigine(short code, short source) {
    if (code != source) m_origines[code] = Origine(source);
  }
  short Origine(short code) const {
    const auto it = m_origines.find(code);
    return it == m_origines.end() ? code : it->second;
  }

 private:
  std::string m_version;
  TIndex m_index;
  structListeLettres* m_liste = nullptr;
  std::vector<Note> m_notes;
  std::unordered_set<short> m_lues;
  std::unordered_map<short, short> m_origines;
};

// One conversion step; steps hold no data.
class TMoulinette {
 public:
  virtual ~TMoulinette() = default;
  virtual void execute(TMoulinetteInfo& info, TDonneeBase* donnee) = 0;
};

class TMoulinetteManager {
 public:
  TMoulinetteManager() = default;
  ~TMoulinetteManager() = default;  // releases the steps
  TMoulinetteManager(const TMoulinetteManager&) = delete;
  TMoulinetteManager& operator=(const TMoulinetteManager&) = delete;

  // Registers a step under the version whose format it produces; the manager owns it.
  void ajoute(const std::string& version, TMoulinette* etape);
  // Runs, in registration order, every step whose version is later than the file's. False,
  // running nothing, when the file's version cannot be read: a step run on a file already in
  // its format would convert it twice.
  bool execute(TMoulinetteInfo& info, TDonneeBase* donnee);

 private:
  struct Etape {
    std::optional<VersionMoulinette> version;
    std::unique_ptr<TMoulinette> moulinette;
  };
  std::vector<Etape> m_etapes;
};
