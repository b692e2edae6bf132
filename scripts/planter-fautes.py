#!/usr/bin/env python3
"""Plants faults, one at a time, in lines of code drawn at random, and tells which ones the
test suite catches.

The population is fixed: the code lines (not blank, not comments, not braces alone, not
preprocessor lines) that the commits between DEPUIS and JUSQUA added to the .cpp/.h files
of the code folders. TIRAGE lines are drawn from it with a fixed seed, and each gets the
fault of the first rule below that applies to it, before anyone looks at the tests. For
each fault the script writes it into the working tree, rebuilds with ninja, runs ctest,
and puts the file back: a build that fails counts as "ne compile pas" and is left out.

    nice -n 15 scripts/planter-fautes.py --build build [--sortie table.md] [--liste]
                                         [--seulement file:line,...]

--liste only prints the faults, without building; --seulement plants only those named. The
working tree may have moved on since JUSQUA: each line is found again by its text, nearest
to where it was. Faults that change nothing a program could observe are listed by hand in
EQUIVALENTES, with the reason.
"""
import argparse, os, random, re, signal, subprocess, sys

DEPUIS, JUSQUA = "15605fa", "66e0105"
DOSSIERS = ["model", "tableur", "controls", "sheet", "frame", "dialogs", "stats", "print",
            "mail", "app"]
GRAINE, TIRAGE = 25, 30
DELAI_TEST = 600  # seconds for one test; a fault that loops forever is caught by it

# "fichier:ligne" (line numbers at JUSQUA) -> why the fault cannot be seen.
EQUIVALENTES = {
    "model/ListeImport.cpp:329": "the key is put in capitals whole just after: either "
                                 "normalisation of the first name gives the same key",
    "mail/TProgressForm.cpp:46": "the fallback frame serves only when there is no screen at "
                                 "all, where no window can show",
}

RACINE = subprocess.run(["git", "rev-parse", "--show-toplevel"], capture_output=True,
                        text=True, check=True).stdout.strip()


def git(*args):
    return subprocess.run(["git", "-C", RACINE, *args], capture_output=True, text=True,
                          check=True).stdout


def est_du_code(texte):
    t = texte.strip()
    return bool(t) and not t.startswith(("//", "/*", "*", "#")) and \
        not re.fullmatch(r"[{}()\[\];,]*", t)


def population():
    """(file, line at JUSQUA, text) of every added code line, in a stable order."""
    lignes, fichier, numero = [], None, 0
    diff = git("diff", "-M", "-U0", "--no-color", DEPUIS, JUSQUA, "--", *DOSSIERS)
    for l in diff.splitlines():
        if l.startswith("+++ "):
            f = l[6:] if l.startswith("+++ b/") else None
            fichier = f if f and f.endswith((".cpp", ".h")) else None
        elif l.startswith("@@"):
            numero = int(re.search(r"\+(\d+)", l).group(1))
        elif l.startswith("+") and fichier:
            if est_du_code(l[1:]):
                lignes.append((fichier, numero, l[1:]))
            numero += 1
    return lignes


def masque(texte):
    """The line with string and character literals and the trailing comment blanked, so
    that the rules only see code."""
    sortie, i, n = list(texte), 0, len(texte)
    while i < n:
        c = texte[i]
        if texte.startswith("//", i):
            sortie[i:] = " " * (n - i)
            break
        if c in "\"'":
            j = i + 1
            while j < n and texte[j] != c:
                j += 2 if texte[j] == "\\" else 1
            sortie[i:j + 1] = " " * (min(j, n - 1) - i + 1)
            i = j + 1
            continue
        i += 1
    return "".join(sortie)


def fin_parenthese(texte, debut):
    profondeur = 0
    for i in range(debut, len(texte)):
        profondeur += {"(": 1, ")": -1}.get(texte[i], 0)
        if profondeur == 0:
            return i
    return None


# (name, pattern on the masked line, replacement of the match); the first that matches wins.
REGLES = [
    ("comparaison", r" (<=|>=|==|!=|<|>) ",
     lambda m: " " + {"<=": "<", ">=": ">", "==": "!=", "!=": "==", "<": "<=", ">": ">="}[
         m.group(1)] + " "),
    ("et/ou", r" (&&|\|\|) ", lambda m: " || " if m.group(1) == "&&" else " && "),
    ("booléen rendu", r"\breturn (true|false);",
     lambda m: "return " + ("false" if m.group(1) == "true" else "true") + ";"),
    ("plus/moins", r"^(?!.*(?:\"|QString|string)).*? ([-+]) ",
     lambda m: m.group(0)[:-3] + (" - " if m.group(1) == "+" else " + ")),
    ("incrément", r"(\+\+|--)", lambda m: "--" if m.group(1) == "++" else "++"),
    ("constante", r"(?<![\w.])(\d+)(?![\w.])", lambda m: str(int(m.group(1)) + 1)),
    ("booléen", r"\b(true|false)\b", lambda m: "false" if m.group(1) == "true" else "true"),
]


def faute(texte):
    """(rule, mutated line) for a line, or (None, None) when no rule applies."""
    vu = masque(texte)
    for nom, motif, remplacement in REGLES:
        m = re.search(motif, vu)
        if m:
            return nom, texte[:m.start()] + remplacement(m) + texte[m.end():]
    m = re.search(r"\b(if|while) \(", vu)
    if m:
        ouvre = m.end() - 1
        ferme = fin_parenthese(vu, ouvre)
        if ferme:
            return "condition niée", (texte[:ouvre + 1] + "!(" + texte[ouvre + 1:ferme] +
                                      ")" + texte[ferme:])
    m = re.match(r"(\s*(?:const )?[\w:]+(?:<.*>)?[*&]? \w+) = (.+);$", vu.rstrip())
    if m and not re.search(r"\bauto\b|nullptr", vu):
        return "valeur oubliée", texte[:m.end(1)] + "{};"
    # A statement, not a declaration, and not the end of one that began on an earlier line.
    declaration = re.match(r"\s*(?!(?:return|delete|emit|throw|else)\b)(?:const |static )*"
                           r"[\w:]+(?:<.*>)?[*&]? ?[*&]?\w+ ?[(\[{=;]", vu)
    if vu.rstrip().endswith(";") and not declaration and vu.count("(") == vu.count(")") and \
            not re.match(r"\s*(return|break|continue)\b", vu):
        return "instruction retirée", re.match(r"\s*", texte).group(0) + ";"
    return None, None


def lignes_de(fichier):
    chemin = os.path.join(RACINE, fichier)
    if not os.path.exists(chemin):
        return None
    with open(chemin, encoding="utf-8") as f:
        return f.read().split("\n")


def retrouver(fichier, numero, texte):
    """(file, index, lines) of the line in today's tree, or (file, None, None) if it is gone.
    Code moved to another file since (a file split in two, a folder of its own) is looked
    for in every code file; of several places, the nearest to where it was."""
    lignes = lignes_de(fichier)
    places = [i for i, l in enumerate(lignes or []) if l == texte]
    if places:
        return fichier, min(places, key=lambda i: abs(i + 1 - numero)), lignes
    candidats = []
    for f in git("ls-files", "--", *DOSSIERS, "charts").split():
        if not f.endswith((".cpp", ".h")):
            continue
        autres = lignes_de(f)
        for i, l in enumerate(autres or []):
            # A moved line may have changed its indentation.
            if l.strip() == texte.strip():
                # Same name stem first (TMDI.cpp -> TMDIMenus.cpp), then nearest line.
                meme = os.path.basename(f).startswith(os.path.splitext(os.path.basename(fichier))[0])
                candidats.append((not meme, abs(i + 1 - numero), f, i, autres))
    if not candidats:
        return fichier, None, None
    _, _, f, i, autres = min(candidats, key=lambda c: (c[0], c[1]))
    return f, i, autres


def reindenter(mutant, texte, ligne):
    """The fault written with the indentation the line has today."""
    return ligne[:len(ligne) - len(ligne.lstrip())] + mutant[len(texte) - len(texte.lstrip()):]


def essayer(build, fichier, index, lignes, mutant):
    chemin = os.path.join(RACINE, fichier)
    original = "\n".join(lignes)
    try:
        with open(chemin, "w", encoding="utf-8") as f:
            f.write("\n".join(lignes[:index] + [mutant] + lignes[index + 1:]))
        if subprocess.run(["ninja", "-C", build], capture_output=True).returncode != 0:
            return "ne compile pas"
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        ctest = ["ctest", "--test-dir", build, "--timeout", str(DELAI_TEST)]
        r = subprocess.run(ctest + ["-j2", "--stop-on-failure"], capture_output=True, text=True,
                           env=env)
        if r.returncode == 0:
            return "survit"
        # A test that fails only once, on a busy machine, does not count: the failed ones run
        # again, and if they pass, the whole suite runs to its end.
        if subprocess.run(ctest + ["--rerun-failed"], capture_output=True, env=env).returncode == 0:
            r = subprocess.run(ctest + ["-j2"], capture_output=True, text=True, env=env)
            if r.returncode == 0:
                return "survit"
        echecs = re.findall(r"\d+ - (\S+) \((\w+)\)", r.stdout)
        return "prise (" + ", ".join(f"{n}, {k}" for n, k in echecs[:2]) + ")"
    finally:
        with open(chemin, "w", encoding="utf-8") as f:
            f.write(original)


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("--build", default="build")
    p.add_argument("--sortie", help="markdown table written here too")
    p.add_argument("--liste", action="store_true", help="list the faults, build nothing")
    p.add_argument("--seulement", help="only these places of the draw, file:line,file:line")
    a = p.parse_args()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # the planted file is put back
    lignes = population()
    random.Random(GRAINE).shuffle(lignes)
    tirage = [l for l in lignes if faute(l[2])[0]][:TIRAGE]
    os.environ.setdefault("XDG_RUNTIME_DIR", subprocess.run(
        ["mktemp", "-d"], capture_output=True, text=True).stdout.strip())
    os.chmod(os.environ["XDG_RUNTIME_DIR"], 0o700)
    table = ["| lieu | original | faute | résultat |", "|---|---|---|---|"]
    compte = {"prise": 0, "survit": 0}
    for fichier, numero, texte in tirage:
        lieu = f"{fichier}:{numero}"
        if a.seulement and lieu not in a.seulement.split(","):
            continue
        regle, mutant = faute(texte)
        ici, index, lignes = retrouver(fichier, numero, texte)
        if index is None:
            resultat = "ligne disparue"
        elif lieu in EQUIVALENTES:
            resultat = "équivalente : " + EQUIVALENTES[lieu]
        elif a.liste:
            resultat = regle
        else:
            mutant = reindenter(mutant, texte, lignes[index])
            resultat = essayer(a.build, ici, index, lignes, mutant)
        for cle in compte:
            compte[cle] += resultat.startswith(cle)
        cellule = lambda s: "`" + s.strip().replace("|", "\\|") + "`" if s else ""
        table.append(f"| {lieu} | {cellule(texte)} | {cellule(mutant)} | {resultat} |")
        print(table[-1], flush=True)
    total = compte["prise"] + compte["survit"]
    bilan = f"\n{compte['prise']} prises sur {total} fautes non équivalentes qui compilent"
    if total:
        bilan += f" ({100 * compte['prise'] / total:.0f} %)"
    print(bilan)
    if a.sortie:
        with open(a.sortie, "w", encoding="utf-8") as f:
            f.write("\n".join(table) + "\n" + bilan + "\n")


if __name__ == "__main__":
    sys.exit(main())
