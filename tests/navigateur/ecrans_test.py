"""sci2072 serve driven by a real browser (headless Chromium through Selenium).

From an empty folder, the sample declaration is entered field by field through the screens,
each field found by its label, then saved and compared, computed, with the committed output;
then the checks on leaving a screen, a partner turned into a legal person, a linked element
overridden, and a restart of the server.

Run by ctest: ecrans_test.py PROGRAM EXAMPLES. Exits 77 (skipped) only when Chromium or its
driver is not installed; with them but without Selenium or pytest, it fails. With SCI2072_CAPTURES=FOLDER
(absolute), saves a screenshot of each kind of screen there as serve-NAME.png (those of docs/).
"""
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import urllib.request

PILOTE = shutil.which("chromedriver") or "/usr/bin/chromedriver"
CHROMIUM = shutil.which("chromium") or shutil.which("chromium-browser")
if __name__ == "__main__":
    if CHROMIUM is None or not os.path.exists(PILOTE):
        print("skipped: Chromium and its driver (Debian's chromium, chromium-driver) are not installed")
        sys.exit(77)
    try:
        import pytest
        import selenium  # noqa: F401
    except ImportError as e:
        print("Chromium is installed but %s is missing for %s: install Debian's python3-selenium and "
              "python3-pytest" % (e.name, sys.executable))
        sys.exit(1)

import pytest
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support import expected_conditions
from selenium.webdriver.support.ui import Select, WebDriverWait

PROGRAMME = os.environ.get("SCI2072_PROGRAMME", "")
EXEMPLES = os.environ.get("SCI2072_EXEMPLES", "")
CAPTURES = os.environ.get("SCI2072_CAPTURES", "")


class Serveur:
    """The program serving a folder; its address carries the token."""

    def __init__(self, dossier):
        self.processus = subprocess.Popen([PROGRAMME, "serve", dossier, "--port", "0"], stdout=subprocess.PIPE,
                                          stderr=subprocess.PIPE, text=True)
        self.adresse = self.processus.stdout.readline().strip()
        assert self.adresse.startswith("http://127.0.0.1:"), self.processus.stderr.read()
        self.base = self.adresse.split("/?")[0]
        self.jeton = self.adresse.split("jeton=")[1]

    def api(self, chemin):
        requete = urllib.request.Request(self.base + chemin, headers={"Authorization": "Bearer " + self.jeton})
        with urllib.request.urlopen(requete) as reponse:
            return json.load(reponse)

    def arrete(self):
        self.processus.send_signal(signal.SIGTERM)
        assert self.processus.wait(timeout=30) == 0


def quote_xpath(texte):
    if "'" not in texte:
        return "'" + texte + "'"
    return "concat(" + ", \"'\", ".join("'" + morceau + "'" for morceau in texte.split("'")) + ")"


class Ecran:
    """The browser on the screens, finding fields by their labels."""

    def __init__(self, navigateur, libelles):
        self.n = navigateur
        self.libelles = libelles  # code -> label of the catalogue

    def attend(self):
        WebDriverWait(self.n, 30).until(
            lambda n: n.execute_script("return document.documentElement.getAttribute('data-saisies') || '0'") == "0")

    def champ(self, libelle):
        if os.environ.get("DBG"):
            open("/tmp/dbg_page.html", "w").write(self.n.current_url + "\n" + self.n.page_source)
        etiquette = self.n.find_element(By.XPATH, "//label[normalize-space(.)=%s]" % quote_xpath(libelle))
        return self.n.find_element(By.ID, etiquette.get_attribute("for"))

    def saisit(self, libelle, valeur):
        champ = self.champ(libelle)
        if champ.tag_name == "select":
            Select(champ).select_by_value(valeur)
        else:
            champ.send_keys(Keys.CONTROL, "a")
            champ.send_keys(valeur if valeur else Keys.DELETE)
            champ.send_keys(Keys.TAB)
        self.attend()

    def modifiable(self, libelle):
        champ = self.champ(libelle)
        return champ.is_displayed() and champ.is_enabled() and champ.get_attribute("readonly") is None

    def clique(self, element, confirme=False):
        """Clicks and waits for the next page."""
        page = self.n.find_element(By.TAG_NAME, "html")
        element.click()
        if confirme:
            self.n.switch_to.alert.accept()
        WebDriverWait(self.n, 60).until(expected_conditions.staleness_of(page))

    def va(self, texte):
        """Follows a link of the page; when the checks of the screen left stop there, goes on."""
        self.attend()
        self.clique(self.n.find_element(By.XPATH, "//a[starts-with(normalize-space(.), %s)]" % quote_xpath(texte)))
        suite = self.n.find_elements(By.LINK_TEXT, "Continuer sans corriger")
        if suite:
            self.clique(suite[0])

    def bouton(self, texte, confirme=False):
        self.attend()
        self.clique(self.n.find_element(By.XPATH, "//button[normalize-space(.)=%s]" % quote_xpath(texte)), confirme)

    def capture(self, nom, element=None):
        """The window as a person sees it: the top of the screen, or scrolled to an element."""
        if CAPTURES:
            self.attend()
            self.n.execute_script("document.querySelectorAll('.a-bouge').forEach(function (e) {"
                                  " e.classList.remove('a-bouge'); });")
            if element is None:
                self.n.execute_script("window.scrollTo(0, 0)")
            else:
                self.n.execute_script("arguments[0].scrollIntoView({block: 'center'})", element)
            self.n.save_screenshot(os.path.join(CAPTURES, "serve-" + nom + ".png"))


@pytest.fixture(scope="module")
def session():
    dossier = tempfile.mkdtemp(prefix="sci2072-ecrans-")
    profil = tempfile.mkdtemp(prefix="sci2072-profil-")
    options = webdriver.ChromeOptions()
    for a in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
              "--disable-component-update", "--disable-sync", "--no-first-run", "--window-size=1400,1000",
              "--user-data-dir=" + profil]:
        options.add_argument(a)
    navigateur = webdriver.Chrome(service=Service(PILOTE), options=options)
    serveur = Serveur(dossier)
    try:
        libelles, calcules = {}, set()
        for e in serveur.api("/api/dictionary")["entries"]:
            libelles.setdefault(e["code"], e.get("label", e["field"]))
            if e.get("role", "entered") not in ("entered", "linked-used", "linked-mode"):
                calcules.add(e["code"])
        etat = {"n": navigateur, "serveur": serveur, "dossier": dossier, "ecran": Ecran(navigateur, libelles),
                "calcules": calcules}
        yield etat
        serveur = etat["serveur"]  # the one started again after the restart
    finally:
        navigateur.quit()
        if serveur.processus.poll() is None:
            serveur.arrete()
        shutil.rmtree(profil, ignore_errors=True)
        shutil.rmtree(dossier, ignore_errors=True)


def test_la_declaration_saisie_ecran_par_ecran_est_celle_de_l_exemple(session):
    n, e, serveur = session["n"], session["ecran"], session["serveur"]
    n.get(serveur.adresse)
    e.champ("Nom de la nouvelle déclaration").send_keys("sci-du-parc")
    e.bouton("Nouvelle déclaration")

    with open(os.path.join(EXEMPLES, "sci-du-parc.json"), encoding="utf-8") as f:
        lettres = json.load(f)["letters"]
    enregistrements = {}  # each record's letters, records in the order the file first names them
    for l in lettres:
        index = tuple(sorted((int(k), v) for k, v in l.get("index", {}).items()))
        enregistrements.setdefault(index, []).append(l)

    listes = {300: ("Immeubles", "Ajouter un immeuble"), 301: ("Associés", "Ajouter un associé"),
              309: ("Cessions de parts", "Ajouter une cession de parts")}
    for index, siennes in enregistrements.items():
        if not index:
            e.va("Informations générales")
        elif len(index) == 1:
            titre, ajout = listes[index[0][0]]
            e.va(titre)
            e.bouton(ajout)
        else:
            e.bouton("Ajouter un locataire")
        for l in siennes:
            if l["code"] in session["calcules"]:
                continue
            libelle = e.libelles[l["code"]]
            if e.modifiable(libelle):
                e.saisit(libelle, l["value"])
    e.bouton("Enregistrer")
    assert "Déclaration enregistrée" in n.page_source

    fichier = os.path.join(session["dossier"], "sci-du-parc.json")
    calcule = subprocess.run([PROGRAMME, "compute", fichier], capture_output=True, text=True, check=True).stdout
    with open(os.path.join(EXEMPLES, "sci-du-parc.computed.json"), encoding="utf-8") as f:
        assert calcule == f.read()


def test_quitter_un_associe_sans_nom_montre_le_message_et_le_champ(session):
    e, n = session["ecran"], session["n"]
    e.va("Associés")
    e.va("2. BERTRAND Paul")
    e.saisit("Nom", "")
    e.attend()
    e.clique(n.find_element(By.XPATH, "//a[starts-with(normalize-space(.), '3. ')]"))
    alerte = n.find_element(By.ID, "alertes")
    assert "126" in alerte.text and "Nom de l" in alerte.text
    actif = n.switch_to.active_element
    assert actif.get_attribute("id") == e.champ("Nom").get_attribute("id")
    assert actif.get_attribute("aria-invalid") == "true"
    e.capture("controle-associe")
    e.saisit("Nom", "BERTRAND")


def test_un_associe_devenu_personne_morale_change_de_champs(session):
    e = session["ecran"]
    e.va("Associés")
    e.bouton("Ajouter un associé")
    nom, denomination = e.libelles[12055], e.libelles[12064]
    assert e.champ(nom).is_displayed() and not e.champ(denomination).is_displayed()
    e.saisit(e.libelles[12520], "2")
    assert not e.champ(nom).is_displayed() and e.champ(denomination).is_displayed()
    e.saisit(denomination, "HOLDING DU PARC")
    e.bouton("Supprimer : associé", confirme=True)


def test_un_element_lie_se_remplace(session):
    e, n = session["ecran"], session["n"]
    e.va("Immeubles")
    e.va("1. Appartement")
    montant = e.champ(e.libelles[12396])
    calcule = e.champ(e.libelles[12539])
    valeur_calculee = calcule.get_attribute("value")
    assert montant.get_attribute("readonly") is not None
    ligne = montant.find_element(By.XPATH, "ancestor::*[@data-ligne][1]")
    bascule = ligne.find_element(By.CSS_SELECTOR, "input[role=switch]")
    assert bascule.is_selected()  # "amount used equal to the computation", as it is
    bascule.click()
    e.attend()
    e.saisit(e.libelles[12396], "75")
    assert e.champ(e.libelles[12539]).get_attribute("value") == valeur_calculee
    assert e.champ(e.libelles[12396]).get_attribute("value") == "75"
    e.capture("element-lie", e.champ(e.libelles[12396]))
    e.bouton("Enregistrer")


def test_apres_redemarrage_tout_est_comme_enregistre(session):
    e, n = session["ecran"], session["n"]
    session["serveur"].arrete()
    serveur = session["serveur"] = Serveur(session["dossier"])
    n.get(serveur.adresse)
    assert "SCI DU PARC" in n.page_source
    e.va("sci-du-parc.json")
    e.va("Immeubles")
    e.va("1. Appartement")
    assert e.champ(e.libelles[12396]).get_attribute("value") == "75"
    ligne = e.champ(e.libelles[12396]).find_element(By.XPATH, "ancestor::*[@data-ligne][1]")
    assert not ligne.find_element(By.CSS_SELECTOR, "input[role=switch]").is_selected()
    e.va("Associés")
    e.va("2. BERTRAND Paul")
    assert e.champ("Nom").get_attribute("value") == "BERTRAND"
    if CAPTURES:
        captures = [("general", ["Informations générales"]), ("is", ["Impôt sur les sociétés"]),
                    ("immeuble", ["Immeubles", "1. Appartement"]), ("locataire", ["Locataire 1"]),
                    ("associe", ["Associés", "1. BERTRAND Hélène"]),
                    ("declaration-individuelle", None),
                    ("cession-parts", ["Cessions de parts", "1. ROUSSEL"]), ("liste-associes", ["Associés ("]),
                    ("declaration", ["Déclaration calculée"])]
        for nom, liens in captures:
            if liens is None:
                e.capture(nom, n.find_element(By.XPATH, "//legend[normalize-space(.)='Déclaration individuelle']"))
                continue
            for texte in liens:
                e.va(texte)
            e.capture(nom)
        e.va("← Retour à la saisie")
        e.va("Cessions d'éléments d'actif")
        e.bouton("Ajouter une cession d'élément d'actif")
        e.capture("cession")
        n.get(serveur.base + "/")
        e.capture("dossier")

if __name__ == "__main__":
    PROGRAMME, EXEMPLES = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    os.environ["SCI2072_PROGRAMME"], os.environ["SCI2072_EXEMPLES"] = PROGRAMME, EXEMPLES
    sys.exit(pytest.main(["-q", "-x", "-p", "no:cacheprovider", __file__]))
