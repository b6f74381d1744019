// Host framework: the statics manager (text tokens shown on screens) and the resources manager.
#pragma once

#include <map>
#include <string>
#include <vector>

class TStaticsManager {
 public:
  TStaticsManager() = default;
  TStaticsManager(const TStaticsManager&) = default;
  TStaticsManager& operator=(const TStaticsManager&) = default;
  virtual ~TStaticsManager() = default;

  // Stores or replaces a token's value; the engine always passes -1 as the integer.
  void AddTokenInCollection(const std::string& token, const std::string& valeur, int) {
    if (m_tokens.insert_or_assign(token, valeur).second) m_ordre.push_back(token);
  }
  // The value of a token, or null when it was never added.
  const std::string* TrouveToken(const std::string& token) const {
    auto it = m_tokens.find(token);
    return it == m_tokens.end() ? nullptr : &it->second;
  }
  const std::map<std::string, std::string>& Tokens() const { return m_tokens; }
  // The tokens in the order they were first added.
  const std::vector<std::string>& Ordre() const { return m_ordre; }

 private:
  std::map<std::string, std::string> m_tokens;
  std::vector<std::string> m_ordre;
};

class TRessourcesManager {
 public:
  virtual ~TRessourcesManager() = default;
  virtual std::string getRessourceSaisie() const = 0;
};
