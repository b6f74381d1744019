"""The Python package over the library: figures, changes, errors and the JSON views."""
import os
import threading

import pytest

import sci2072

EXEMPLES = os.environ["SCI2072_EXEMPLES"]
PARC = os.path.join(EXEMPLES, "sci-du-parc.json")


def test_a_rent_raised_raises_every_partners_share_and_survives_a_round_trip(tmp_path):
    d = sci2072.Declaration.load(PARC)
    avant = [float(d["TotalRevenuOuDeficit", {301: k}]) for k in range(d.count(301))]
    loyer = float(d["LoyerBrut", {300: 0}])
    d["LoyerBrut", {300: 0}] = loyer + 1000
    d.compute()
    apres = [float(d[12691, {301: k}]) for k in range(d.count(301))]
    assert all(a > b for a, b in zip(apres, avant))
    d.save(tmp_path / "out.json")
    relue = sci2072.Declaration.load(tmp_path / "out.json")
    assert relue.text() == d.text()
    assert relue.year == 2011 and relue.warnings == []
    douteuse = sci2072.Declaration.loads('{"format": "sci2072-declaration", "version": 1, "letters": '
                                         '[{"field": "NumeroSIREN", "value": "123"}]}')
    assert douteuse.warnings == ['letter 1: code 12544 (NumeroSIREN of TInfogene2072), index {}, '
                                 'value "123": a SIREN number has 9 digits']
    proprietes = relue.summary()["properties"]
    assert proprietes[0]["receipts"] == pytest.approx(loyer + 1000)


@pytest.mark.parametrize("appel, statut, message", [
    (lambda d: d.__setitem__(("LoyerBrut", {300: 0}), "6O000"), sci2072.INVALID, "not an amount"),
    (lambda d: d["LoyerBrut"], sci2072.USAGE, "is no letter at index {}"),
    (lambda d: d["Ville"], sci2072.USAGE, "name it with its record (TAdresseDeclarant.Ville)"),
    (lambda d: d["Nom", {300: 0, 303: 5}], sci2072.USAGE, "there is no tenant 5"),
    (lambda d: d.move_partner(0, 9), sci2072.USAGE, "there is no partner 9"),
    (lambda d: setattr(d, "year", 0), sci2072.INVALID, "from 1 to 9999"),
    (lambda d: sci2072.Declaration.loads('{"format": "x"}'), sci2072.INVALID, "problem"),
    (lambda d: sci2072.Declaration.load("/nonexistent.json"), sci2072.INVALID, "/nonexistent.json"),
])
def test_refusals_raise_the_librarys_message(appel, statut, message):
    d = sci2072.Declaration.load(PARC)
    with pytest.raises(sci2072.Error) as erreur:
        appel(d)
    assert erreur.value.status == statut
    assert message in str(erreur.value)


def test_partners_properties_checks_and_selection():
    d = sci2072.Declaration.new()
    assert [m["number"] for m in d.checks()][:3] == [109, 111, 112]
    p = d.add_property()
    a = d.add_partner()
    assert d.count(306, {301: a}) == 1
    d["Nom", {300: p, 303: 0}] = "GIRARD"
    assert d.count(303, {300: p}) == 1
    copie = d.duplicate_partner(a)
    assert d["TAssocie2072.CodeAssocie", {301: copie}] != d["TAssocie2072.CodeAssocie", {301: a}]
    d.remove_partner(copie)
    assert {l["index"]["301"] for l in d.select({301: a})} == {a}
    dictionnaire = sci2072.dictionary()
    assert any(e["field"] == "LoyerBrut" for e in dictionnaire["entries"]) and dictionnaire["lists"]
    d.new_year()
    assert (d.count(300), d.count(301)) == (0, 1)


def test_two_declarations_on_two_threads():
    resultats = {}

    def calcule(loyer):
        d = sci2072.Declaration.load(PARC)
        d["LoyerBrut", {300: 0}] = loyer
        d.compute()
        resultats[loyer] = d.text()

    seuls = {}
    for loyer in (12000, 30000):
        calcule(loyer)
        seuls[loyer] = resultats.pop(loyer)
    fils = [threading.Thread(target=calcule, args=(loyer,)) for loyer in (12000, 30000)]
    for f in fils:
        f.start()
    for f in fils:
        f.join()
    assert resultats == seuls
