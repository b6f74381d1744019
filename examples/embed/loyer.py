"""Loads a declaration, raises the gross rents of its first property by 10 %, computes it and
prints each partner's share of the result, before and after:
    python3 loyer.py examples/sci-du-parc.json"""
import sys

import sci2072


def affiche_parts(d, titre):
    print(titre)
    for k in range(d.count(301)):
        print(f"  {d['Designation', {301: k}]}: {d['TotalRevenuOuDeficit', {301: k}]}")


def main(chemin):
    d = sci2072.Declaration.load(chemin)
    affiche_parts(d, "before")
    loyer = float(d["LoyerBrut", {300: 0}])
    nouveau = f"{loyer * 1.10:.2f}"
    print(f"gross rents of property 0: {d['LoyerBrut', {300: 0}]} -> {nouveau}")
    d["LoyerBrut", {300: 0}] = nouveau
    d.compute()
    affiche_parts(d, "after")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: loyer.py DECLARATION.json")
    try:
        main(sys.argv[1])
    except sci2072.Error as e:
        sys.exit(f"{sys.argv[1]}: {e}")
