"""What a blind user hears of Resomar: the real Orca screen reader, the real program, the keyboard.

Runs on a screen with a window manager and a session bus of their own (screen_reader_test.sh).
Orca writes every utterance to a file as it says it (its own "speech" log, through a customization
in a private settings folder); xdotool types as the user would; each step waits for what Orca
must say after it, in order, and the test fails on the first thing not heard in time. Usage:
orca_walk.py PROGRAM [english]
"""

import os
import re
import subprocess
import sys
import tempfile
import time

TIMEOUT = 30.0  # for one utterance: Orca queues events behind the program's
CUSTOMIZATIONS = """
import logging, os
import orca.settings as settings

# No speech synthesizer: what would be said is written down, one line each, at once.
settings.speechServerFactory = None
settings.speechFactoryModules = []
log = logging.getLogger("speech")
if not any(getattr(h, "resomar", False) for h in log.handlers):
    handler = logging.FileHandler(os.path.join(os.path.dirname(__file__), "speech.log"))
    handler.setFormatter(logging.Formatter("%(message)s"))
    handler.resomar = True
    log.addHandler(handler)

# Orca 48 and later have no "speech" logger: what would be said goes to its debug messages only.
import orca.debug as debug
if hasattr(debug, "print_message") and not hasattr(debug, "resomar"):
    said = open(os.path.join(os.path.dirname(__file__), "speech.log"), "a", buffering=1)
    original = debug.print_message

    def print_message(level, text, *rest, **named):
        if isinstance(text, str) and text.startswith("SPEECH OUTPUT: "):
            said.write(text.replace("\\n", " ") + "\\n")
        return original(level, text, *rest, **named)

    debug.print_message = print_message
    debug.resomar = True
"""
UTTERANCE = re.compile(r"^SPEECH OUTPUT: '(.*)'(?: voice=\w+| ?\{.*\}| None| \[.*\])?$")


class Walk:
    """What Orca said so far, read from its log (whole lines only, the last may be unfinished); a
    cursor marks what the walk has heard. And what went wrong, and what was said at each step."""

    def __init__(self, path):
        self.path = path
        self.lines = []
        self.heard = 0
        self.failures = []
        self.transcript = []

    def read(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                *complete, _ = log.read().split("\n")
        except FileNotFoundError:
            return
        self.lines = [match.group(1) if (match := UTTERANCE.match(line)) else line for line in complete]

    def expect(self, pattern, timeout=TIMEOUT):
        """Waits for an utterance matching pattern after the last one heard."""
        wanted = re.compile(pattern)
        deadline = time.monotonic() + timeout
        while True:
            self.read()
            for index in range(self.heard, len(self.lines)):
                if wanted.search(self.lines[index]):
                    self.heard = index + 1
                    return
            if time.monotonic() > deadline:
                raise TimeoutError(pattern)
            time.sleep(0.05)

    def step(self, name, action, *patterns):
        """Does action, then waits for each pattern in turn; records what was said meanwhile."""
        mark = self.heard
        action()
        try:
            for pattern in patterns:
                self.expect(pattern)
        finally:
            self.transcript.append((name, self.lines[mark:self.heard]))

    def check(self, condition, message):
        if not condition:
            self.failures.append(message)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "120", text], check=True)


def notice(text):
    """A notification's text: Orca 43 says "notification" and the text on one line, newer Orcas
    on two."""
    return r"^(notification )?" + re.escape(text) + r"\.?$"


def type_octets(*octets):
    """Types each octet into the next box along: Tab selects a box's text, typing replaces it."""
    for octet in octets:
        keys("Tab")
        type_text(octet)


def french(walk):
    say = walk.step
    # Same network? 192.168.1.0 twice (an address keeps zeros where its mask has them), the classes found, the verification.
    say("to the first tab", lambda: keys("Left"), r"^Réseaux Identiques \?")
    say("to the first octet", lambda: keys("Tab"),
        r"^1er réseau, adresse, octet 1\b", r"^0\b")  # a one-digit value, heard
    mark = walk.heard
    say("typing 192", lambda: type_text("192"),
        notice("Adresse IP - Type classe A"), notice("Adresse IP - Type classe C"))
    say("the other octets", lambda: type_octets("168", "1"), r"^1er réseau, adresse, octet 3\b")
    say("on to the second network", lambda: keys(*["Tab"] * 4),
        r"^2ème réseau, adresse, octet 1\b", r"^0\b")
    say("typing 192 again", lambda: type_text("192"),
        notice("Adresse IP - Type classe A"), notice("Adresse IP - Type classe C"))
    # Once per change of class, not at each digit: A at "1", C at "192", in each network.
    classes = [line for line in walk.lines[mark:walk.heard] if "Type classe" in line]
    letters = [re.search(r"Type classe (\w)", line).group(1) for line in classes]
    walk.check(letters == ["A", "C"] * 2, f"classes announced: {classes}")
    say("the other octets", lambda: type_octets("168", "1"), r"^2ème réseau, adresse, octet 3\b")
    say("Vérification", lambda: keys("alt+v"),
        r"^(alert )?Vérification", r"^Ces 2 réseaux IP appartiennent au même réseau, et ils peuvent")
    say("closing the verdict", lambda: keys("Return"), notice("Echo Request. Echo Reply"))

    # The mask: class B, six subnets, the slash notation.
    say("to the mask tab", lambda: keys("ctrl+Tab"), r"^Type de classe, classe C")
    # Selected as Orca reads the option, or said just after it: Space may come first.
    say("class B", lambda: keys("Up", "space"), r"^Type de classe, classe B selected|^selected")
    # The class fills a dozen boxes: Orca, busy with them, may read the next box by its value
    # alone; the mask's whole value at least.
    say("to the mask", lambda: keys("Tab"), r"^000\b")
    say("to the number of subnets", lambda: keys(*["Tab"] * 4),
        r"^Nombre de sous-réseaux désirés\b")
    say("typing 6", lambda: type_text("6"), r"^6\b")
    say("Calcul", lambda: keys("alt+c"),
        notice("6 réseaux possibles. Stations possibles par sous-réseau : 8190"))
    say("Notation Slash", lambda: keys("alt+s"),
        notice("Notation slash du masque : /19"))

    # The binary sum: 192 and 72, each row and the result heard.
    say("to the sum tab", lambda: keys("ctrl+Tab"), r"^Quitter \(onglet Somme binaire\)")
    say("to the first number", lambda: keys("Tab"), r"^1er nombre\b")
    mark = walk.heard
    say("typing 192", lambda: type_text("192"),
        notice("1er nombre : 1 1 0 0 0 0 0 0. Résultat de la somme binaire : 0 0 0 0 0 0 0 0"))
    # The row once the typing pauses, not at each digit (a slow machine may pause once).
    rows = [line for line in walk.lines[mark:walk.heard] if "1er nombre :" in line]
    walk.check(len(rows) < 3, f"rows announced: {rows}")
    say("to the second number", lambda: keys("Tab"), r"^2ème nombre\b")
    say("typing 72", lambda: type_text("72"),
        notice("2ème nombre : 0 1 0 0 1 0 0 0. Résultat de la somme binaire : 0 1 0 0 0 0 0 0"))
    say("to the result", lambda: keys("Tab"), r"^Résultat de la somme binaire\b", r"^64\b")


def english(walk):
    say = walk.step
    say("to the first tab", lambda: keys("Left"), r"^Same Network\?")
    say("to the first octet", lambda: keys("Tab"),
        r"^1st network, address, octet 1\b", r"^0\b")
    say("typing 192", lambda: type_text("192"),
        notice("IP Address - Class A"), notice("IP Address - Class C"))
    say("back round to the sum tab", lambda: keys("ctrl+shift+Tab"), r"^1st number\b")
    say("typing 192", lambda: type_text("192"),
        notice("1st number: 1 1 0 0 0 0 0 0. Result of the binary AND: 0 0 0 0 0 0 0 0"))


def main(program, language):
    settings = tempfile.mkdtemp(prefix="orca-", dir=os.environ.get("XDG_RUNTIME_DIR"))
    with open(os.path.join(settings, "orca-customizations.py"), "w", encoding="utf-8") as file:
        file.write(CUSTOMIZATIONS)
    # Orca's own words in English, whatever the program's language.
    orca_env = dict(os.environ, LC_ALL="C.UTF-8", LANGUAGE="", LANG="C.UTF-8")
    orca_output = open(os.path.join(settings, "orca.out"), "w", encoding="utf-8")
    orca = subprocess.Popen(["orca", "-u", settings], env=orca_env, stdout=orca_output,
                            stderr=subprocess.STDOUT)
    program_env = dict(os.environ, LC_ALL="C.UTF-8", LANGUAGE="en" if language == "english" else "")
    process = None
    walk = Walk(os.path.join(settings, "speech.log"))
    started = time.monotonic()
    try:
        walk.expect(r"^Screen reader on")
        process = subprocess.Popen([program], env=program_env)
        walk.step("the program starts", lambda: None, r"Resomar")
        (english if language == "english" else french)(walk)
    except TimeoutError as missing:
        walk.failures.append(f"not heard: {missing}")
    finally:
        if process is not None:
            process.terminate()
            process.wait(timeout=TIMEOUT)
        orca.terminate()  # Orca takes about two seconds over it
        try:
            orca.wait(timeout=5)
        except subprocess.TimeoutExpired:
            orca.kill()
            orca.wait()
    for name, lines in walk.transcript:
        print(f"Orca test: {name}: " + " | ".join(lines))
    for failure in walk.failures:
        print("Orca test:", failure)
    if walk.failures:
        walk.read()
        print("Orca test: everything said after that:", " | ".join(walk.lines[walk.heard:]))
        with open(os.path.join(settings, "orca.out"), encoding="utf-8", errors="replace") as out:
            print("Orca test: Orca's output:", out.read()[-2000:])
    print(f"Orca test: {'failed' if walk.failures else 'passed'} in {time.monotonic() - started:.0f} s")
    return 1 if walk.failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else "french"))
