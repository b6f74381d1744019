// Host framework: the statics manager (text tokens shown on screens) and the resources manager.
#pragma once

#include <map>
#include <string>

class TStaticsManager {
 public:
  TStaticsManager() = default;
  TStaticsManager(const TStaticsManager&) = default;
  TStaticsManager& operator=(const TStaticsManager&) = default;
  virtual ~TStaticsManager() = default;

  // Stores or replaces a token's value; the engine always passes -1 as the integer.
  void AddTokenInCollection(const std::string& token, const std::string& valeur, int) { m_tokens[token] = valeur; }
  // The value of a token, or null when it was never added.
  const std::string* TrouveToken(const std::string& token) const {
    auto it = m_tokens.find(token);
    return it == m_tokens.end() ? nullptr : &it->second;
  }
  const std::map<std::string, std::string>& Tokens() const { return m_tokens; }

 private:
  std::map<std::string, std::string> m_tokens;
};

class TRessourcesManager {
 public:
  virtual ~TRessourcesManager() = default;
  virtual std::string getRessourceSaisie() const = 0;
};
