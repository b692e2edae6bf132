#!/usr/bin/env python3
"""The code's floors: each folder includes only its own headers and those of the folders below
it, never a folder above nor one beside it; model/, tableur/ and formats/ include nothing of Qt.

    etages.py SOURCE_DIR
"""
import pathlib, re, sys

# Each folder and the folders it stands on (what its library links, directly or not).
SOUS = {
    "model": set(),
    "tableur": {"model"},
    "formats": {"tableur", "model"},
    "controls": {"model"},
    "charts": {"controls", "model"},
    "dialogs": {"controls", "formats", "tableur", "model"},
    "mail": {"controls", "formats", "tableur", "model"},
    "print": {"charts", "controls", "model"},
    "stats": {"print", "charts", "controls", "model"},
}
SOUS["sheet"] = {"stats", "dialogs", "mail", "formats", "tableur"} | SOUS["stats"]
SOUS["frame"] = {"sheet"} | SOUS["sheet"]
SOUS["app"] = {"frame"} | SOUS["frame"]
SANS_QT = {"model", "tableur", "formats"}

racine = pathlib.Path(sys.argv[1])
sources = {d: [f for f in (racine / d).rglob("*") if f.suffix in (".cpp", ".h")] for d in SOUS}
dossier_de = {}
for d, fichiers in sources.items():
    for f in fichiers:
        if f.suffix == ".h":
            if f.name in dossier_de:
                sys.exit(f"{f.name} est dans {dossier_de[f.name]}/ et dans {d}/")
            dossier_de[f.name] = d

fautes = []
for d, fichiers in sources.items():
    for f in fichiers:
        for n, ligne in enumerate(f.read_text(encoding="utf-8").splitlines(), 1):
            m = re.match(r'\s*#\s*include\s*([<"])([^>"]+)[>"]', ligne)
            if not m:
                continue
            nom = pathlib.PurePath(m.group(2)).name
            ou = f"{f.relative_to(racine)}:{n}"
            if m.group(1) == "<":
                if d in SANS_QT and re.match(r"Q[A-Za-z]", nom):
                    fautes.append(f"{ou}: {d}/ n'inclut rien de Qt ({nom})")
                continue
            cible = dossier_de.get(nom)
            if cible and cible != d and cible not in SOUS[d]:
                fautes.append(f"{ou}: {d}/ inclut {nom} de {cible}/, qui n'est pas en dessous")

print("\n".join(fautes) if fautes else f"{sum(map(len, sources.values()))} fichiers, aucune "
      "inclusion ne remonte")
sys.exit(1 if fautes else 0)
