#!/usr/bin/env python3
"""The program as a screen reader meets it, through the real accessibility bus.

Starts Quillora on a sample class under an X server and a D-Bus session of their own, with
the AT-SPI bus, walks the accessible tree from the desktop as Orca would, finds the sheet's
table and reads a student's row: its header and its cells' values must be the line of the
export text (`quillora --exporter`). On the way, the box that asks about the file
association must be readable (its question among its labels) and answerable from the bus.

Usage: lecteur_ecran.py QUILLORA CLASSE.cl3
Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing: said on stdout).
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# Generous: the machine that runs the tests may be loaded.
DELAI_APPLICATION = 90
DELAI_TOTAL = 300

# What a cell's sentence says after its value, and the words that stand for what the
# export writes as nothing or as "?".
FIN_DE_VALEUR = re.compile(r"( sur \d+)?(, en dessous de la moyenne|, pas une note)?$")
MOTS = {"vide": "", "non calculable": "?"}
# The student whose row is read: the third, whose line comes after the title's.
NUMERO = 3


def sauter(raison):
    print(f"SAUTÉ : {raison}")
    sys.exit(77)


def echec(raison):
    print(f"ÉCHEC : {raison}")
    sys.exit(1)


def valeur_exportee(nom):
    """The value a cell's sentence tells, as the export text writes it."""
    valeur = FIN_DE_VALEUR.sub("", nom[nom.rfind(" : ") + 3:])
    return MOTS.get(valeur, valeur)


def attendre(condition, delai, pas=0.5):
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        resultat = condition()
        if resultat:
            return resultat
        time.sleep(pas)


def descendants(objet, role, profondeur=0):
    """Every descendant of `objet` with the role `role`, a table's cells left out."""
    import pyatspi
    trouves = []
    try:
        if objet.getRole() == role:
            trouves.append(objet)
        if objet.getRole() == pyatspi.ROLE_TABLE or profondeur > 30:
            return trouves
        for i in range(objet.childCount):
            enfant = objet.getChildAtIndex(i)
            if enfant is not None:
                trouves += descendants(enfant, role, profondeur + 1)
    except Exception:
        # An object may go away while it is read: the next look finds the tree as it is.
        pass
    return trouves


def application(nom):
    import pyatspi
    bureau = pyatspi.Registry.getDesktop(0)
    for i in range(bureau.childCount):
        app = bureau.getChildAtIndex(i)
        if app is not None and app.name == nom:
            return app


def repondre_non(app):
    """Answers No to every question box open, after checking it can be read. True when one
    was answered."""
    import pyatspi
    repondu = False
    for boite in descendants(app, pyatspi.ROLE_DIALOG) + descendants(app, pyatspi.ROLE_ALERT):
        textes = [l.name for l in descendants(boite, pyatspi.ROLE_LABEL)]
        if not any("?" in t for t in textes):
            echec(f"la question de la boîte « {boite.name} » ne se lit pas : {textes}")
        print(f"Boîte « {boite.name} » lue :", " / ".join(t for t in textes if t))
        for bouton in descendants(boite, pyatspi.ROLE_PUSH_BUTTON):
            if bouton.name.replace("&", "") == "Non":
                bouton.queryAction().doAction(0)
                repondu = True
    return repondu


def interieur(quillora, classe, dossier, ligne):
    """Inside the D-Bus session: the bus, the program, the tree."""
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                    "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                   check=True, stdout=subprocess.DEVNULL, timeout=30)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    journal = open(os.path.join(dossier, "quillora.log"), "w")
    programme = subprocess.Popen([quillora, "--config", os.path.join(dossier, "quillora.ini"),
                                  classe], env=env, stdout=journal, stderr=journal)

    def echouer(raison):
        # What the program printed, and whether it is still running, go with the failure:
        # a crash says where it happened.
        code = programme.poll()
        if code is not None:
            raison += f"\nLe programme s'est arrêté de lui-même (code {code})."
        journal.flush()
        with open(journal.name, errors="replace") as f:
            sortie = f.read()
        if sortie:
            raison += "\nSa sortie :\n" + sortie
        echec(raison)

    try:
        import pyatspi
        app = attendre(lambda: application("quillora"), DELAI_APPLICATION)
        if not app:
            echouer("le programme n'apparaît pas sur le bus d'accessibilité")
        tables = attendre(lambda: descendants(app, pyatspi.ROLE_TABLE), DELAI_APPLICATION)
        if not tables:
            echouer("la feuille n'apparaît pas comme un tableau")
        feuille = tables[0]
        # The association question comes once the sheet is painted, if it comes.
        attendre(lambda: repondre_non(app), 10)
        table = feuille.queryTable()
        attendu = ligne.split("\t")
        r = NUMERO - 1
        if table.nColumns != len(attendu) - 1:
            echouer(f"{table.nColumns} colonnes, l'export en a {len(attendu) - 1}")
        lu = [table.getRowHeader(r).name] + [
            valeur_exportee(table.getAccessibleAt(r, c).name) for c in range(table.nColumns)]
        print(f"Tableau « {feuille.name} », {table.nRows} lignes sur {table.nColumns} colonnes")
        print("Ligne lue :", table.getAccessibleAt(r, 1).name)
        if lu != attendu:
            echouer(f"ligne {r + 1} lue {lu}, exportée {attendu}")
        print("La ligne lue est celle de l'export.")
    finally:
        programme.terminate()
        try:
            programme.wait(timeout=20)
        except subprocess.TimeoutExpired:
            programme.kill()


def main():
    if len(sys.argv) == 6 and sys.argv[1] == "--interieur":
        interieur(*sys.argv[2:])
        return
    if len(sys.argv) != 3:
        print(__doc__)
        sys.exit(2)
    quillora, classe = map(os.path.abspath, sys.argv[1:])
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        sauter(f"pyatspi manque à {sys.executable} (paquet python3-pyatspi)")
    for outil in ("Xvfb", "dbus-run-session", "dbus-send"):
        if not shutil.which(outil):
            sauter(f"{outil} manque (paquets xvfb, dbus-daemon, dbus-bin)")
    if not any(os.path.exists(os.path.join(d, "at-spi-bus-launcher"))
               for d in ("/usr/libexec", "/usr/lib/at-spi2-core")):
        sauter("at-spi-bus-launcher manque (paquet at-spi2-core)")
    def trop_long(*_):
        raise TimeoutError(f"plus de {DELAI_TOTAL} s")
    signal.signal(signal.SIGALRM, trop_long)
    signal.alarm(DELAI_TOTAL)

    with tempfile.TemporaryDirectory(prefix="quillora-lecteur-") as dossier:
        execution = os.path.join(dossier, "run")
        os.mkdir(execution, 0o700)
        copie = os.path.join(dossier, os.path.basename(classe))
        shutil.copyfile(classe, copie)
        env = dict(os.environ, HOME=dossier, XDG_RUNTIME_DIR=execution,
                   XDG_CONFIG_HOME=os.path.join(dossier, "config"),
                   XDG_DATA_HOME=os.path.join(dossier, "data"), LC_ALL="C.UTF-8")
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env.pop("AT_SPI_BUS_ADDRESS", None)
        export = subprocess.run([quillora, "--exporter", copie, "--config",
                                 os.path.join(dossier, "quillora.ini")], env=env,
                                capture_output=True, text=True, timeout=60)
        if export.returncode != 0:
            echec(f"--exporter : {export.stderr}")
        ligne = export.stdout.split("\n")[NUMERO]

        # An X server on a display it finds free itself. Never reset: a server resets when
        # its last client leaves, and if another server that had its number has removed its
        # socket, it remakes it then, a program connecting meanwhile meeting no server.
        lecture, ecriture = os.pipe()
        serveur = subprocess.Popen(["Xvfb", "-displayfd", str(ecriture), "-screen", "0",
                                    "1366x768x24", "-nolisten", "tcp", "-noreset"],
                                   pass_fds=(ecriture,),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(ecriture)
        try:
            with os.fdopen(lecture) as f:
                affichage = f.readline().strip()
            if not affichage:
                sauter("Xvfb ne démarre pas")
            env["DISPLAY"] = ":" + affichage
            r = subprocess.run(["dbus-run-session", "--", sys.executable, os.path.abspath(__file__),
                                "--interieur", quillora, copie, dossier, ligne], env=env,
                               timeout=DELAI_TOTAL - 30)
            sys.exit(r.returncode)
        finally:
            serveur.terminate()
            serveur.wait(timeout=20)


if __name__ == "__main__":
    main()
