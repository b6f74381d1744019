// An owned sub-object held through a pointer, with value semantics: copying copies the
// object, equality compares the objects (two empty holders are equal).
#pragma once

#include <memory>

template <class T>
class Detenu {
 public:
  Detenu() = default;
  Detenu(const Detenu& autre) : m_objet(autre.m_objet ? std::make_unique<T>(*autre.m_objet) : nullptr) {}
  Detenu(Detenu&&) noexcept = default;
  Detenu& operator=(const Detenu& autre) {
    if (this == &autre) return *this;
    if (m_objet && autre.m_objet)
      *m_objet = *autre.m_objet;
    else
      m_objet = autre.m_objet ? std::make_unique<T>(*autre.m_objet) : nullptr;
    return *this;
  }
  Detenu& operator=(Detenu&&) noexcept = default;
  bool operator==(const Detenu& autre) const {
    if (!m_objet || !autre.m_objet) return !m_objet && !autre.m_objet;
    return *m_objet == *autre.m_objet;
  }

  void cree() { m_objet = std::make_unique<T>(); }
  void detruit() { m_objet.reset(); }
  T* get() { return m_objet.get(); }
  const T* get() const { return m_objet.get(); }
  T& operator*() { return *m_objet; }
  const T& operator*() const { return *m_objet; }
  T* operator->() { return m_objet.get(); }
  const T* operator->() const { return m_objet.get(); }
  explicit operator bool() const { return static_cast<bool>(m_objet); }

 private:
  std::unique_ptr<T> m_objet;
};
