// The host under hostile input: nesting of any depth, huge values, numbers out of range,
// repeated members, files that ask for far more records than they name, and output files
// that are links, pipes, devices or private files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>
#include <unordered_set>

#include "chargement/chargement.h"
#include "chargement/chargementrapide.h"
#include "chargement/verification.h"
#include "dictionnaire2072.h"
#include "format/bornes.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "format/lecturerapide.h"
#include "lettres.h"
#include "systeme/fichiers.h"

namespace {

using namespace hote2072;
namespace fs = std::filesystem;

// Every problem of reading then loading `texte`, one per line.
std::string Problemes(const std::string& texte) {
  Rapport rapport;
  if (auto f = LitJson(texte, rapport)) Charge(*f, rapport);
  std::string tout;
  for (const std::string& p : rapport.problemes()) tout += p + "\n";
  return tout;
}

std::string Fichier(const std::string& lettres, const std::string& avant = "") {
  return R"({"format": "sci2072-declaration", "version": 1, )" + avant + R"("letters": [)" + lettres + "]}";
}

std::string Entoure(const std::string& texte, const char* fin = "\"") {
  std::string t = "\"";
  t += texte;
  return t += fin;
}

#define EXPECT_CONTIENT(texte, morceau) EXPECT_NE((texte).find(morceau), std::string::npos) << (texte)

TEST(Robustesse, NestingOfAnyDepthIsDescribedNeverPrinted) {
  const std::string profond = std::string(100000, '[') + std::string(100000, ']');
  EXPECT_CONTIENT(Problemes(R"({"format": "sci2072-declaration", "letters": [], "version": )" + profond + "}"),
                  "\"version\" must be 1, the only version this program reads (found an array)");
  EXPECT_CONTIENT(Problemes(Fichier("", R"("year": )" + profond + ", ")),
                  "\"year\" must be a year from 1 to 9999 (found an array)");
  const std::string p = Problemes(Fichier(R"({"code": 12140, "index": {"300": )" + profond + R"(}, "value": "1"})"));
  EXPECT_CONTIENT(p, "letter 1: position an array of level 300 is not a whole number from 0 to 99999");
  EXPECT_LT(p.size(), 200u);
  // A field's name is a text; unknown members are skipped whatever they hold; the document itself.
  EXPECT_EQ(Problemes(Fichier(R"({"code": 12003, "value": "SCI", "field": )" + profond + "}")),
            "letter 1: \"field\" must be a field name\n");
  EXPECT_CONTIENT(Problemes(Fichier("", R"("notes": )" + profond + ", ")), "unknown member \"notes\"");
  EXPECT_CONTIENT(Problemes(profond), "a declaration file is a JSON object");
  EXPECT_CONTIENT(Problemes(std::string(100000, '[')), "malformed JSON");
}

TEST(Robustesse, MessagesCutValuesAndEscapeBadBytes) {
  EXPECT_EQ(CiteValeur("SCI \"Les Pins\"\n"), R"("SCI \"Les Pins\"\u000a")");
  EXPECT_EQ(CiteValeur("a\xff"
                       "b\xc3"),
            R"("a\xffb\xc3")");                                // a stray byte, a sequence cut short
  EXPECT_EQ(CiteValeur("\xed\xa0\x80"), R"("\xed\xa0\x80")");  // a surrogate is no character
  const std::string accents = std::string(79, 'a') + "éèê";    // the cut falls after é, never inside it
  EXPECT_EQ(CiteValeur(accents), Entoure(std::string(79, 'a') + "é", "\"…"));
  EXPECT_EQ(CiteValeur(std::string(80, 'x')), Entoure(std::string(80, 'x')));

  const std::string p = Problemes(Fichier(R"({"code": 12003, "value": ")" + std::string(10000000, 'A') + R"("})"));
  EXPECT_CONTIENT(p, "\"…: text of 10000000 characters; this field holds at most 100");
  EXPECT_LT(p.size(), 400u);
  const std::string cle = Problemes(Fichier("", Entoure(std::string(5000, 'k'), "\": 1, ")));
  EXPECT_LT(cle.size(), 200u) << cle;
}

TEST(Robustesse, NumbersOutOfRangeRepeatedMembersAndFractionalIntegersAreRefused) {
  EXPECT_CONTIENT(Problemes(Fichier("\n{\"code\": 12140, \"index\": {\"300\": 0}, \"value\": 1e400}")),
                  "malformed JSON at line 2, column 51: number \"1e400\" is out of range");
  EXPECT_CONTIENT(Problemes(Fichier("", R"("year": 2012, "year": 2013, )")),
                  "duplicate member \"year\": an object gives each member once");
  EXPECT_CONTIENT(Problemes(Fichier(R"({"code": 12003, "value": "A", "value": "B"})")),
                  "letter 1: duplicate member \"value\"");
  EXPECT_CONTIENT(Problemes(Fichier(R"({"code": 12140, "index": {"300": 0, "300": 1}, "value": "1"})")),
                  "letter 1: duplicate member \"300\"");
  EXPECT_CONTIENT(Problemes(Fichier(R"({"code": 12003, "value": "A", "field": {"a": 1, "a": 2}})")),
                  "letter 1: duplicate member \"a\"");
  for (const char* lettre :
       {R"({"code": 12103, "index": {"300": 0}, "value": "4.5"})", R"({"code": 12048, "value": "2,5"})"})
    EXPECT_CONTIENT(Problemes(Fichier(lettre)), "not an integer; expected a whole number such as 2");
  EXPECT_EQ(Problemes(Fichier(R"({"code": 12103, "index": {"300": 0}, "value": "4.0"}, {"code": 12048, "value": 3})")),
            "");
  // A number stands for its own text, as written.
  Rapport rapport;
  EXPECT_EQ(LitJson(Fichier(R"({"code": 12140, "index": {"300": 0}, "value": 12.50})"), rapport)->lettres[0].valeur,
            "12.50");
}

// Amounts no declaration holds are refused at loading, so that no total becomes infinite (two
// rents of 1.7e308 once made a company total of 0); numbers of shares and rates alike.
TEST(Robustesse, AmountsBeyondTenToTheThirteenAreRefused) {
  const struct {
    int code;
    const char* valeur;
    bool refuse;
  } cas[] = {
      {12140, "10000000000000", false}, {12140, "-1e13", false}, {12140, "10000000000000.01", true},
      {12140, "1.7e308", true},         {12140, "-1e14", true},  {12075, "9999999999999.99999", false},
      {12075, "1e13", false},           {12075, "1.5e13", true},
  };
  for (const auto& c : cas) {
    const std::string p = ProblemeValeur(zorfiscal2072::EntreeDictionnaire2072(c.code)->lettre, c.valeur);
    EXPECT_EQ(p.find("amount beyond 10000000000000 (10^13) in absolute value") != std::string::npos, c.refuse)
        << c.code << " " << c.valeur << ": " << p;
  }
  const std::string p = Problemes(Fichier(R"({"code": 12140, "index": {"300": 0}, "value": "1.7e308"},
    {"code": 12140, "index": {"300": 1}, "value": "1.7e308"})"));
  EXPECT_CONTIENT(p, "letter 1: code 12140");
  EXPECT_CONTIENT(p, "letter 2: code 12140");
}

// Texts shown to a person: what a terminal or a page would act upon (retitle, ring, move the
// cursor, reverse a line) is written as an escape; everything else, accents included, stays.
TEST(Robustesse, TextsForAPersonHoldNothingATerminalActsUpon) {
  const struct {
    std::string brut, lisible;
  } cas[] = {
      {"SCI \x1b]0;titre\x07", "SCI \\u001b]0;titre\\u0007"},
      {"a\rb\bc\x7f\td\n", "a\\u000db\\u0008c\\u007f\\u0009d\\u000a"},
      {"\xc2\x9b"
       "31m\xc2\x85",
       "\\u009b31m\\u0085"},                                                                             // C1 controls
      {"\u202eABC\u202c \u2066x\u2069\u200f\u061c", "\\u202eABC\\u202c \\u2066x\\u2069\\u200f\\u061c"},  // bidi
      {"l1\u2028l2\u2029", "l1\\u2028l2\\u2029"},
      {"a\xff"
       "b\x9b",
       "a\\xffb\\x9b"},                                                      // bytes that are not UTF-8
      {"Hélène – 1\u202f000 € \\ \"x\"", "Hélène – 1\u202f000 € \\ \"x\""},  // left as they are
  };
  for (const auto& c : cas) {
    EXPECT_EQ(lettres::Lisible(c.brut), c.lisible);
    EXPECT_EQ(lettres::Lisible(c.lisible), c.lisible);  // written once, stays
  }
  EXPECT_EQ(CiteValeur("x\u202e\"\x1b"), R"("x\u202e\"\u001b")");
}

// The fast reader takes the plain shape and leaves everything else to the event reader; what it
// takes, it reads as the event reader does.
TEST(Robustesse, FastReaderTakesOnlyWhatTheEventReaderReadsTheSame) {
  const std::string lettre =
      R"({"code": 12140, "index": {"301": 2, "300": 1}, "value": "é\u00e9\n", "field": "LoyerBrut"})";
  const struct {
    std::string texte;
    bool rapide;
    // clang-format off
  } cas[] = {
      {Fichier(lettre, R"("year": 2012, )"), true},
      {Fichier(""), true},
      {"\xEF\xBB\xBF" + Fichier(lettre), false},                                    // a byte order mark
      {Fichier(R"({"c\u006fde": 12140, "value": "1"})"), false},                      // an escaped name
      {Fichier(R"({"code": 12140, "value": 1})"), false},                              // a number for a text
      {Fichier(R"({"code": 12140.0, "value": "1"})"), false},
      {Fichier(R"({"code": 12140, "value": "\ud800"})"), false},                     // a lone surrogate
      {Fichier(R"({"code": 12140, "value": "\udc00x"})"), false},
      {Fichier(R"({"code": 12140, "value": "a)" "\x01" R"("})"), false},             // a raw control character
      {Fichier(R"({"code": 12140, "value": "1", "value": "2"})"), false},
      {Fichier(R"({"code": 12140, "index": {"300": 0, "300": 1}, "value": "1"})"), false},
      {Fichier(R"({"code": 12140, "index": {"311": 0}, "value": "1"})"), false},
      {Fichier(R"({"code": 12140, "index": {"300": 100000}, "value": "1"})"), false},
      {Fichier(R"({"code": 12140, "field": {}, "value": "1"})"), false},
      {Fichier(R"({"value": "1"})"), false},
      {Fichier("") + " x", false},
      {Fichier("") + "}", false},
      {Fichier("").substr(0, Fichier("").size() - 1), false},
      {Fichier(std::string("{\"code\": 1, \"value\": \"a") + '\0' + "\"}"), false},
      {R"({"format": "sci2072-declaration", "letters": []})", false},
      {R"({"format": "autre", "version": 1, "letters": []})", false},
      {R"([1])", false},
      {"", false},
  };
  // clang-format on
  for (const auto& c : cas) {
    Rapport rapport;
    const auto evenements = LitJsonEvenements(c.texte, rapport);
    for (const std::size_t morceau : {kTailleMorceau, std::size_t{1}}) {
      const auto rapide = LitJsonRapide(c.texte, morceau);
      EXPECT_EQ(rapide.has_value(), c.rapide) << c.texte;
      if (rapide) {
        EXPECT_EQ(rapide, evenements) << c.texte;
      }
    }
    Rapport r;
    EXPECT_EQ(LitJson(c.texte, r), evenements) << c.texte;
    EXPECT_EQ(r.problemes(), rapport.problemes()) << c.texte;
  }
}

// Letters one per line are read in pieces that end at a line: a piece must hold letters, and
// the commas between pieces join them as the array does; "[" and "]" in texts, letters over
// several lines and members after the letters change nothing.
TEST(Robustesse, FastReaderReadsPiecesAsTheWholeArray) {
  const std::string a = R"({"code": 12003, "value": "[a], {b}"})",
                    b = R"({"code": 12140, "index": {"300": 0}, "value": "1"})";
  const std::string c = "{\"code\": 12103,\n \"index\": {\"300\": 0},\n \"value\": \"2\"}";
  const auto lignes = [](const std::vector<std::string>& l, const std::string& fin = "\n  ]\n}\n") {
    std::string t = R"({"format": "sci2072-declaration", "version": 1, "letters": [)";
    for (const std::string& x : l) t += "\n    " + x;
    return t + fin;
  };
  const struct {
    std::string texte;
    bool rapide;
  } cas[] = {
      {lignes({a + ",", b + ",", c}), true},
      {lignes({a + ",", b + ",", c}, "\n  ], \"year\": 2012}"), true},
      {lignes({a + ",", "", b + " ,  ", c}), true},
      {lignes({a + ",", b + ",", c + ","}), false},                         // a comma after the last letter
      {lignes({a + ",", ",", b}), false},                                   // an empty element
      {lignes({a, b}), false},                                              // no comma between letters
      {lignes({a + ",", b}, "\n  ], \"x]\": 1}"), false},                   // a member the format lacks
      {lignes({a + ",", "{\"code\": 12140, \"value\": \"1\n\"}"}), false},  // a line end in a text
  };
  for (const auto& x : cas) {
    Rapport rapport;
    const auto evenements = LitJsonEvenements(x.texte, rapport);
    EXPECT_EQ(evenements.has_value(), x.rapide) << x.texte;
    for (const std::size_t morceau : {std::size_t{1}, std::size_t{40}, kTailleMorceau}) {
      const auto rapide = LitJsonRapide(x.texte, morceau);
      EXPECT_EQ(rapide.has_value(), x.rapide) << x.texte;
      if (rapide) {
        EXPECT_EQ(rapide, evenements) << x.texte;
      }
    }
  }
}

// The letters written from a root, each code loading made up replaced by its rank: two
// loadings of one file then write the same.
std::vector<LettreFichier> Ecrites(TDonnee2072& racine, const std::unordered_set<std::string>& donnes) {
  std::vector<LettreFichier> lettres = Ecrit(racine, true).lettres;
  std::map<std::string, std::string> faits;
  for (LettreFichier& l : lettres)
    if (l.valeur.size() == 20 && donnes.count(l.valeur) == 0) {
      std::string rang = std::to_string(faits.size());
      l.valeur = faits.try_emplace(l.valeur, rang.insert(0, 1, '#')).first->second;
    }
  return lettres;
}

// Loading straight into the records takes a file only when loading its letters finds no
// problem and no warning, and then makes the same declaration whatever the letters' order;
// it leaves anything else to the full path, which names it.
TEST(Robustesse, FastLoadingTakesOnlyWhatTheFullPathLoadsTheSame) {
  const std::string p0 = R"({"code": 12655, "index": {"300": 0}, "value": "P"})",
                    a0 = R"({"code": 12694, "index": {"301": 0}, "value": "A"})",
                    q0 = R"({"code": 12695, "index": {"301": 0, "306": 0}, "value": "5"})",
                    t0 = R"({"code": 12593, "index": {"300": 0, "303": 0}, "value": "GIRARD"})";
  // clang-format off
  const struct {
    std::string lettres;
    bool rapide;
  } cas[] = {
      {p0 + ", " + a0 + ", " + q0, true},
      {a0 + ", " + p0 + ", " + q0 + ", " + t0, true},                  // partners first
      {t0 + ", " + p0 + R"(, {"code": 12654, "index": {"300": 0, "303": 0}, "value": "P"})", true},
      {R"({"code": 12762, "index": {"309": 0}, "value": "1"}, )" + a0, false},           // "Autre" would move
      {q0 + ", " + p0 + ", " + a0, true},                                                 // a share first
      {q0 + ", " + a0, false},                                                            // no property named
      {p0 + ", " + p0, false},                                                            // given twice
      {R"({"code": 12140, "index": {"300": 0}, "value": "6O000"})", false},
      {R"({"code": 12103, "index": {"300": 0}, "value": "99"})", false},                 // not in its list
      {R"({"code": 12546, "index": {"301": 0}, "value": "123456789"})", false},          // a warning
      {R"({"code": 12692, "index": {"301": 0, "310": 0}, "value": "Q"}, )" + p0, false},  // no such property
      {p0 + R"(, {"code": 12655, "index": {"300": 1}, "value": "P"})", false},           // one code twice
      {R"({"code": 12075, "index": {"301": 5000}, "value": "1"})", false},
  };
  // clang-format on
  for (const auto& c : cas) {
    const std::string texte = Fichier(c.lettres);
    Rapport rapport;
    const auto fichier = LitJson(texte, rapport);
    ASSERT_TRUE(fichier) << texte;
    auto complet = Charge(*fichier, rapport);
    if (c.rapide) {
      EXPECT_TRUE(complet && rapport.avertissements().empty()) << texte;
    }
    for (const std::size_t morceau : {kTailleMorceau, std::size_t{1}}) {
      DeclarationChargee vite = ChargeRapide(SourceMemoire(texte, morceau));
      EXPECT_EQ(vite.racine != nullptr, c.rapide) << texte;
      if (!vite.racine || !complet) continue;
      const auto donnes = CodesDonnes(*fichier);
      EXPECT_EQ(vite.codesDonnes(), donnes);
      EXPECT_EQ(Ecrites(*vite.racine, donnes), Ecrites(*complet, donnes)) << texte;
    }
  }
}

FichierDeclaration Fonds(int associes, int proprietes) {
  FichierDeclaration f;
  for (int a = 0; a < associes; ++a) f.lettres.push_back({f.lettres.size() + 1, 12075, {{301, a}}, "1"});
  for (int p = 0; p < proprietes; ++p) f.lettres.push_back({f.lettres.size() + 1, 12140, {{300, p}}, "1"});
  return f;
}

std::vector<std::string> Bornes(const FichierDeclaration& f) {
  Rapport rapport;
  VerifieBornes(f, rapport);
  return rapport.problemes();
}

TEST(Robustesse, RecordsStayInProportionToTheFile) {
  // 186 bytes once asked for ten billion shares.
  const std::string p = Problemes(Fichier(R"({"code": 12075, "index": {"301": 99999}, "value": "1"},
    {"code": 12140, "index": {"300": 99999}, "value": "1"})"));
  EXPECT_CONTIENT(p,
                  "letter 1: code 12075 (NombreParts of TAssocie2072), index {301: 99999}, value \"1\": position 99999 "
                  "would create 100000 partners, but the file's letters name 1");
  EXPECT_CONTIENT(p, "letter 2: code 12140");
  EXPECT_CONTIENT(p, "10000000000 shares");

  // Up to 1,000 beyond the records named, under each owner.
  FichierDeclaration f = Fonds(1, 1);
  f.lettres.push_back({3, 12593, {{300, 0}, {303, 1001}}, "GIRARD"});
  f.lettres.push_back({4, 12593, {{300, 0}, {303, 1}}, "GIRARD"});
  EXPECT_TRUE(Bornes(f).empty());
  f.lettres[2].index[1].second = 1002;
  ASSERT_EQ(Bornes(f).size(), 1u);
  EXPECT_CONTIENT(Bornes(f)[0], "letter 3: ");
  EXPECT_CONTIENT(Bornes(f)[0], "would create 1003 tenants of property 0, but the file's letters name 2");

  // A fund naming each partner and property once loads up to two million records, then up to
  // a hundred per letter: 10,000 x 100 and 50,000 x 50 do, 3,000 x 3,000 (a few hundred
  // kilobytes making 9 million shares) does not; ten million shares at most.
  EXPECT_TRUE(Bornes(Fonds(10000, 100)).empty());
  EXPECT_TRUE(Bornes(Fonds(50000, 50)).empty());
  const auto disproportion = Bornes(Fonds(3000, 3000));
  ASSERT_EQ(disproportion.size(), 1u);
  EXPECT_CONTIENT(disproportion[0], "letter 6000: ");
  EXPECT_CONTIENT(disproportion[0], "would create 9006000 records (3000 partners, 3000 properties, 0 sales");
  EXPECT_CONTIENT(disproportion[0],
                  "the file holds 6000 letters: beyond 2000000 records, loading creates at most 100 per letter");
  const auto trop = Bornes(Fonds(100000, 101));
  ASSERT_EQ(trop.size(), 1u);
  EXPECT_CONTIENT(trop[0], "letter 100101: ");
  EXPECT_CONTIENT(trop[0], "100000 partners and 101 properties, that is 10100000 shares");

  // At most a million records of one level, all owners together.
  FichierDeclaration locataires = Fonds(0, 1000);
  for (int p = 0; p < 1000; ++p)
    locataires.lettres.push_back({locataires.lettres.size() + 1, 12593, {{300, p}, {303, 999}}, "X"});
  EXPECT_TRUE(Bornes(locataires).empty());
  locataires.lettres.back().index[1].second = 1000;
  const auto million = Bornes(locataires);
  ASSERT_EQ(million.size(), 1u);
  EXPECT_CONTIENT(million[0], "letter 2000: ");
  EXPECT_CONTIENT(million[0], "more than 1000000 tenants");
}

class Sortie : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string modele = (fs::temp_directory_path() / "sci2072-sortie-XXXXXX").string();
    ASSERT_NE(mkdtemp(modele.data()), nullptr);
    m_dossier = modele;
  }
  void TearDown() override { fs::remove_all(m_dossier); }
  static std::string Lit(const fs::path& chemin) {
    std::ostringstream tout;
    tout << std::ifstream(chemin, std::ios::binary).rdbuf();
    return tout.str();
  }
  fs::path m_dossier;
};

TEST_F(Sortie, KeepsPermissionsFollowsLinksAndWritesPipesAndDevices) {
  // A private file stays private.
  const fs::path prive = m_dossier / "associes.json";
  std::ofstream(prive) << "old";
  ASSERT_EQ(::chmod(prive.c_str(), 0600), 0);
  EcritFichier(prive.string(), std::string("new"));
  EXPECT_EQ(Lit(prive), "new");
  EXPECT_EQ(fs::status(prive).permissions(), fs::perms::owner_read | fs::perms::owner_write);

  // A link stays a link (relative, and dangling); its target gets the content.
  fs::create_symlink("associes.json", m_dossier / "lien.json");
  EcritFichier((m_dossier / "lien.json").string(), std::string("par le lien"));
  EXPECT_TRUE(fs::is_symlink(m_dossier / "lien.json"));
  EXPECT_EQ(Lit(prive), "par le lien");
  EXPECT_EQ(fs::status(prive).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("nouveau.json", m_dossier / "pendant.json");
  EcritFichier((m_dossier / "pendant.json").string(), std::string("créé"));
  EXPECT_EQ(Lit(m_dossier / "nouveau.json"), "créé");

  // A pipe is written directly, in pieces far larger than one write.
  const fs::path tube = m_dossier / "tube";
  ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
  std::string lu;
  std::thread lecteur([&] { lu = Lit(tube); });
  const std::string grand(5 << 20, 'z');
  EcritFichier(tube.string(), [&](const auto& ecrit) {
    ecrit("debut");
    ecrit(grand);
  });
  lecteur.join();
  EXPECT_EQ(lu, "debut" + grand);
  EXPECT_TRUE(fs::is_fifo(tube));
  if (::access("/dev/null", W_OK) == 0) {
    EcritFichier("/dev/null", std::string("rien"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
  }
  EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(m_dossier), {}).size(), 5u);  // no temporary file left

  // Reading is bounded: a file by its size before it is read, anything else as it comes; a
  // declaration's text stops at a zero byte, which the reader then names.
  std::ofstream(m_dossier / "cent.json") << std::string(100, ' ');
  for (const std::string& chemin : {(m_dossier / "cent.json").string(), std::string("/dev/zero")}) {
    try {
      LitFichier(chemin, 50);
      ADD_FAILURE() << chemin << " was read whole";
    } catch (const ErreurFichier& e) {
      EXPECT_EQ(std::string(e.what()), chemin + " holds more than 50 bytes (0 MiB), the most read from one file");
    }
  }
  EXPECT_EQ(LitTexteDeclaration("/dev/zero"), std::string(1, '\0'));

  // A directory is no declaration; the message names it.
  try {
    LitFichier(m_dossier.string());
    ADD_FAILURE() << "a directory was read";
  } catch (const ErreurFichier& e) {
    EXPECT_EQ(std::string(e.what()), "cannot read " + m_dossier.string() + ": Is a directory");
  }
}

}  // namespace
