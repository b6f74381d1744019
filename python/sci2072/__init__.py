"""The engine of the French return 2072 (property-holding civil companies), from Python.

A thin layer over the library's C interface (ctypes: nothing to compile)::

    import sci2072
    d = sci2072.Declaration.load("examples/sci-du-parc.json")
    d["LoyerBrut", {300: 0}] = 10560          # a field, at the record an index names
    d.compute()
    print(d["TotalRevenuOuDeficit", {301: 0}])  # a partner's share of the result
    d.save("out.json")

Fields are named as `sci2072 dictionary` lists them ("LoyerBrut"; "TAdresseGerant.Ville"
where several records at the same levels have a field of that name) or given by their code
(12140). An index maps level keys (300 properties, 301 partners, 303 tenants...) to
positions counted from 0. Values travel as texts, as a declaration file holds them.

Every failure raises `Error`, carrying the library's message and status. A declaration
belongs to one thread at a time; two declarations may be used on two threads at once.
"""

import ctypes
import json
import os

try:  # written by the installation: where the library was installed
    from ._bibliotheque import CHEMIN_BIBLIOTHEQUE
except ImportError:  # the source tree: the dynamic loader's search, or SCI2072_LIBRARY
    CHEMIN_BIBLIOTHEQUE = "libsci2072.so.0"

__all__ = ["Declaration", "Error", "version", "dictionary", "INVALID", "USAGE", "INTERNAL"]

INVALID, USAGE, INTERNAL = 1, 2, 4
_ANNOTE, _TOUTES = 1, 2


class Error(Exception):
    """A refusal of the library: `status` is INVALID (the input is refused), USAGE (the call is
    wrong) or INTERNAL; the message says what was expected."""

    def __init__(self, status, message):
        super().__init__(message)
        self.status = status


class _Niveau(ctypes.Structure):
    _fields_ = [("cle", ctypes.c_int), ("position", ctypes.c_int)]


def _charge():
    chemin = os.environ.get("SCI2072_LIBRARY") or CHEMIN_BIBLIOTHEQUE
    bib = ctypes.CDLL(chemin)
    poignee, texte = ctypes.c_void_p, ctypes.POINTER(ctypes.c_void_p)
    index = [ctypes.POINTER(_Niveau), ctypes.c_size_t]
    signatures = {
        "sci2072_version": ([], ctypes.c_char_p),
        "sci2072_nouvelle": ([], poignee),
        "sci2072_ferme": ([poignee], None),
        "sci2072_message": ([poignee], ctypes.c_char_p),
        "sci2072_avertissements": ([poignee], ctypes.c_char_p),
        "sci2072_libere": ([ctypes.c_void_p], None),
        "sci2072_charge_fichier": ([poignee, ctypes.c_char_p], ctypes.c_int),
        "sci2072_charge_texte": ([poignee, ctypes.c_char_p, ctypes.c_size_t], ctypes.c_int),
        "sci2072_ecrit_fichier": ([poignee, ctypes.c_char_p, ctypes.c_int], ctypes.c_int),
        "sci2072_ecrit_texte": ([poignee, ctypes.c_int, texte], ctypes.c_int),
        "sci2072_lit_lettre": ([poignee, ctypes.c_int] + index + [texte], ctypes.c_int),
        "sci2072_modifie_lettre": ([poignee, ctypes.c_int] + index + [ctypes.c_char_p], ctypes.c_int),
        "sci2072_lit_champ": ([poignee, ctypes.c_char_p] + index + [texte], ctypes.c_int),
        "sci2072_modifie_champ": ([poignee, ctypes.c_char_p] + index + [ctypes.c_char_p], ctypes.c_int),
        "sci2072_nombre": ([poignee, ctypes.c_int] + index + [ctypes.POINTER(ctypes.c_size_t)], ctypes.c_int),
        "sci2072_annee": ([poignee, ctypes.POINTER(ctypes.c_long)], ctypes.c_int),
        "sci2072_modifie_annee": ([poignee, ctypes.c_long], ctypes.c_int),
        "sci2072_calcule": ([poignee], ctypes.c_int),
        "sci2072_controle_declaration": ([poignee, texte], ctypes.c_int),
        "sci2072_controle_ecran": ([poignee] + index + [ctypes.c_int, texte], ctypes.c_int),
        "sci2072_selection": ([poignee, texte], ctypes.c_int),
        "sci2072_selection_enregistrement": ([poignee] + index + [texte], ctypes.c_int),
        "sci2072_resume": ([poignee, ctypes.c_int, texte], ctypes.c_int),
        "sci2072_dictionnaire": ([poignee, texte], ctypes.c_int),
        "sci2072_ajoute_associe": ([poignee, ctypes.POINTER(ctypes.c_int)], ctypes.c_int),
        "sci2072_duplique_associe": ([poignee, ctypes.c_int, ctypes.POINTER(ctypes.c_int)], ctypes.c_int),
        "sci2072_deplace_associe": ([poignee, ctypes.c_int, ctypes.c_int], ctypes.c_int),
        "sci2072_supprime_associe": ([poignee, ctypes.c_int], ctypes.c_int),
        "sci2072_ajoute_propriete": ([poignee, ctypes.POINTER(ctypes.c_int)], ctypes.c_int),
        "sci2072_supprime_propriete": ([poignee, ctypes.c_int], ctypes.c_int),
        "sci2072_nouvelle_annee": ([poignee], ctypes.c_int),
    }
    for nom, (arguments, resultat) in signatures.items():
        fonction = getattr(bib, nom)
        fonction.argtypes = arguments
        fonction.restype = resultat
    return bib


_bib = _charge()


def version():
    """The library's version, "MAJOR.MINOR.PATCH"."""
    return _bib.sci2072_version().decode()


def _index(index):
    """An index as the C interface takes it: a dict {level key: position}, or None."""
    index = dict(index or {})
    niveaux = (_Niveau * max(len(index), 1))()
    for k, (cle, position) in enumerate(sorted(index.items())):
        niveaux[k] = _Niveau(int(cle), int(position))
    return niveaux, len(index)


def _texte(valeur):
    if isinstance(valeur, bool):
        raise TypeError("a yes/no field takes 1 (yes) or 2 (no)")
    return str(valeur).encode()


class Declaration:
    """One declaration, computed as the engine computes it."""

    def __init__(self):
        self._d = _bib.sci2072_nouvelle()
        if not self._d:
            raise MemoryError("sci2072: memory exhausted")

    @classmethod
    def new(cls):
        """A new empty declaration."""
        return cls()

    @classmethod
    def load(cls, path):
        """The declaration in a declaration file, checked, loaded and computed."""
        d = cls()
        d._appel(_bib.sci2072_charge_fichier, os.fsencode(path))
        return d

    @classmethod
    def loads(cls, text):
        """The declaration a declaration file's text holds."""
        d = cls()
        donnees = text.encode() if isinstance(text, str) else bytes(text)
        d._appel(_bib.sci2072_charge_texte, donnees, len(donnees))
        return d

    @property
    def warnings(self):
        """What the file loaded from gave that should be looked at, one text each."""
        if not self._d:
            return []
        return _bib.sci2072_avertissements(self._d).decode(errors="replace").splitlines()

    def close(self):
        if self._d:
            _bib.sci2072_ferme(self._d)
            self._d = None

    def __del__(self):
        self.close()

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()

    def _appel(self, fonction, *arguments):
        if not self._d:
            raise Error(USAGE, "the declaration is closed")
        statut = fonction(self._d, *arguments)
        if statut != 0:
            raise Error(statut, _bib.sci2072_message(self._d).decode(errors="replace"))

    def _rend(self, fonction, *arguments):
        """A text the library hands back."""
        pointeur = ctypes.c_void_p()
        self._appel(fonction, *arguments, ctypes.byref(pointeur))
        try:
            return ctypes.string_at(pointeur.value).decode()
        finally:
            _bib.sci2072_libere(pointeur)

    def _json(self, fonction, *arguments):
        return json.loads(self._rend(fonction, *arguments))

    @staticmethod
    def _cle(cle):
        """(field or code, index) from d[field], d[field, {300: 0}]."""
        champ, index = (cle if isinstance(cle, tuple) else (cle, None))
        return champ, _index(index)

    def __getitem__(self, cle):
        champ, (niveaux, n) = self._cle(cle)
        if isinstance(champ, int):
            return self._rend(_bib.sci2072_lit_lettre, champ, niveaux, n)
        return self._rend(_bib.sci2072_lit_champ, champ.encode(), niveaux, n)

    def __setitem__(self, cle, valeur):
        champ, (niveaux, n) = self._cle(cle)
        if isinstance(champ, int):
            self._appel(_bib.sci2072_modifie_lettre, champ, niveaux, n, _texte(valeur))
        else:
            self._appel(_bib.sci2072_modifie_champ, champ.encode(), niveaux, n, _texte(valeur))

    def count(self, level, index=None):
        """The number of records at a level (301 partners; 303 with {300: 0}, the tenants of the
        first property)."""
        niveaux, n = _index(index)
        nombre = ctypes.c_size_t()
        self._appel(_bib.sci2072_nombre, int(level), niveaux, n, ctypes.byref(nombre))
        return nombre.value

    @property
    def year(self):
        annee = ctypes.c_long()
        self._appel(_bib.sci2072_annee, ctypes.byref(annee))
        return annee.value

    @year.setter
    def year(self, annee):
        self._appel(_bib.sci2072_modifie_annee, int(annee))

    def compute(self):
        """Brings every figure up to date after changes."""
        self._appel(_bib.sci2072_calcule)

    def checks(self, index=None, stop=False):
        """The screen checks' messages, of the whole declaration or, with an index, of one screen."""
        if index is None:
            return self._json(_bib.sci2072_controle_declaration)
        niveaux, n = _index(index)
        return self._json(_bib.sci2072_controle_ecran, niveaux, n, int(bool(stop)))

    def select(self, index=None):
        """Which letters the form keeps, drops or marks: of every record, or of one."""
        if index is None:
            return self._json(_bib.sci2072_selection)
        niveaux, n = _index(index)
        return self._json(_bib.sci2072_selection_enregistrement, niveaux, n)

    def summary(self, all_partners=False):
        """What the summary prints: {"tables": [{"kind", "title", "rows": [{"label", "values"}]}],
        "properties": [{"name", "receipts", "charges", "result"}], "partners", "messages"}."""
        return self._json(_bib.sci2072_resume, int(bool(all_partners)))

    def text(self, annotated=True, all_letters=False):
        """The declaration as a declaration file's text."""
        return self._rend(_bib.sci2072_ecrit_texte, (_ANNOTE if annotated else 0) | (_TOUTES if all_letters else 0))

    def save(self, path, annotated=True, all_letters=False):
        """Writes the declaration file atomically."""
        options = (_ANNOTE if annotated else 0) | (_TOUTES if all_letters else 0)
        self._appel(_bib.sci2072_ecrit_fichier, os.fsencode(path), options)

    def _position(self, fonction, *arguments):
        position = ctypes.c_int()
        self._appel(fonction, *arguments, ctypes.byref(position))
        return position.value

    def add_partner(self):
        """Adds a partner with a share of every property; returns its position."""
        return self._position(_bib.sci2072_ajoute_associe)

    def duplicate_partner(self, position):
        """Appends a copy of a partner; returns the copy's position."""
        return self._position(_bib.sci2072_duplique_associe, int(position))

    def move_partner(self, source, destination):
        self._appel(_bib.sci2072_deplace_associe, int(source), int(destination))

    def remove_partner(self, position):
        self._appel(_bib.sci2072_supprime_associe, int(position))

    def add_property(self):
        """Adds a property, with every partner's share of it; returns its position."""
        return self._position(_bib.sci2072_ajoute_propriete)

    def remove_property(self, position):
        self._appel(_bib.sci2072_supprime_propriete, int(position))

    def new_year(self):
        """Starts the next year's declaration: the partners stay, the properties and the year's
        figures go."""
        self._appel(_bib.sci2072_nouvelle_annee)


def dictionary():
    """The form's letters ("entries": code, type, record, field, levels, bounds, label, role,
    unit, list) and the reference lists ("lists": name -> codes and labels)."""
    with Declaration() as d:
        return d._json(_bib.sci2072_dictionnaire)
