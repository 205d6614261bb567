<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="fr">
<context>
    <name>core</name>
    <message>
        <source>Adresse IP - Type classe </source>
        <translation>IP-Adresse - Klasse </translation>
    </message>
    <message>
        <source>Adresse IP - Type classe %1</source>
        <translation>IP-Adresse - Klasse %1</translation>
    </message>
    <message>
        <source>La saisie de votre adresse 1er Réseau IP semble incorrecte. Veuillez vérifier votre adressage.</source>
        <translation>Die Adresse des IP-Netzwerks 1 scheint falsch zu sein. Bitte prüfen Sie Ihre Adressierung.</translation>
    </message>
    <message>
        <source>La saisie de votre adresse 2ème Réseau IP semble incorrecte. Veuillez vérifier votre adressage.</source>
        <translation>Die Adresse des IP-Netzwerks 2 scheint falsch zu sein. Bitte prüfen Sie Ihre Adressierung.</translation>
    </message>
    <message>
        <source>Ces 2 réseaux IP appartiennent au même réseau, et ils peuvent communiquer entre eux.</source>
        <translation>Diese 2 IP-Netzwerke gehören zum selben Netzwerk und können miteinander kommunizieren.</translation>
    </message>
    <message>
        <source>Ces 2 réseaux IP sont différents. Vous devrez installer des routeurs entre eux.</source>
        <translation>Diese 2 IP-Netzwerke sind verschieden. Zwischen ihnen brauchen Sie Router.</translation>
    </message>
    <message>
        <source>De %1 à %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source> La valeur doit être comprise entre %1 et %2</source>
        <translation> Der Wert muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>Votre Adresse IP n&apos;est pas renseignée</source>
        <translation>Sie haben keine IP-Adresse eingegeben</translation>
    </message>
    <message>
        <source>%1 réseaux possibles</source>
        <translation>%1 mögliche Subnetze</translation>
    </message>
    <message>
        <source>Erreur de saisie</source>
        <translation>Eingabefehler</translation>
    </message>
    <message>
        <source>Vérification</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>La valeur doit être comprise entre %1 et %2.</source>
        <translation>Der Wert muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>Ce masque n&apos;est pas un masque de sous-réseau valide.</source>
        <translation>Diese Maske ist keine gültige Subnetzmaske.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>resomar : aucun écran où ouvrir la fenêtre (%1) ; pour la lancer sans écran : xvfb-run %2
</source>
        <translation>resomar: kein Bildschirm für das Fenster (%1); ohne Bildschirm starten mit: xvfb-run %2
</translation>
    </message>
    <message>
        <source>resomar : l&apos;écran n&apos;a que %1 bits par pixel ; il en faut au moins 15.
</source>
        <translation>resomar: der Bildschirm hat nur %1 Bit pro Pixel; nötig sind mindestens 15.
</translation>
    </message>
    <message>
        <source>Utilisation : resomar [options]
Calculatrice d&apos;adressage IPv4 : deux réseaux identiques ?, calcul d&apos;un masque de sous-réseaux, somme binaire.

Options :
</source>
        <translation>Aufruf: resomar [Optionen]
IPv4-Adressrechner: gleiches Netzwerk?, Subnetzmaske berechnen, bitweises UND.

Optionen:
</translation>
    </message>
    <message>
        <source>
Les options standard de Qt sont aussi reconnues : -platform, -display, -style, etc.
</source>
        <translation>
Die Standardoptionen von Qt gelten auch: -platform, -display, -style usw.
</translation>
    </message>
    <message>
        <source>Affiche cette aide, puis quitte.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Affiche la version de Resomar, puis quitte.</source>
        <translation>Zeigt die Version von Resomar an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Essayez « resomar --help ».
</source>
        <translation>„resomar --help“ liefert weitere Informationen.
</translation>
    </message>
    <message>
        <source>resomar : il manque la valeur de l&apos;option %1
</source>
        <translation>resomar: der Option %1 fehlt ein Wert
</translation>
    </message>
    <message>
        <source>resomar : option inconnue : %1
</source>
        <translation>resomar: unbekannte Option: %1
</translation>
    </message>
    <message>
        <source>resomar : argument inattendu : %1
</source>
        <translation>resomar: unerwartetes Argument: %1
</translation>
    </message>
    <message>
        <source>resomar : erreur d&apos;écriture : %1
</source>
        <translation>resomar: Schreibfehler: %1
</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>la sortie est fermée</source>
        <translation>die Ausgabe ist geschlossen</translation>
    </message>
    <message>
        <source>la sortie refuse le texte</source>
        <translation>die Ausgabe nimmt den Text nicht an</translation>
    </message>
    <message>
        <source>resomar : la connexion à l&apos;écran est perdue ; le programme se ferme.
</source>
        <translation>resomar: Verbindung zum Bildschirm verloren; das Programm wird beendet.
</translation>
    </message>
</context>
<context>
    <name>ui::Announcer</name>
    <message>
        <source>%1 : %2</source>
        <extracomment>A value after its name, spoken by the screen reader (&quot;Résultat : 64&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ui::Apropos</name>
    <message>
        <source>Calculs d&apos;adressage IPv4
pour la classe de réseaux</source>
        <translation>IPv4-Adressrechner
für den Netzwerkkurs</translation>
    </message>
    <message>
        <source>À propos de %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Titel</translation>
    </message>
</context>
<context>
    <name>ui::BinaryPanel</name>
    <message>
        <source>Affichage Binaire 1er Réseau IP</source>
        <translation>IP-Netzwerk 1 binär</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Masque</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>2ème Réseau IP</source>
        <translation>IP-Netzwerk 2</translation>
    </message>
    <message>
        <source>Afficher l&apos;autre réseau en binaire</source>
        <translation>Das andere Netzwerk binär anzeigen</translation>
    </message>
    <message>
        <source>Affichage binaire, adresse</source>
        <translation>Binäranzeige, Adresse</translation>
    </message>
    <message>
        <source>Affichage binaire, masque</source>
        <translation>Binäranzeige, Maske</translation>
    </message>
    <message>
        <source>Affichage binaire, résultat</source>
        <translation>Binäranzeige, Ergebnis</translation>
    </message>
    <message>
        <source>Affichage Binaire</source>
        <translation>Binäranzeige</translation>
    </message>
    <message>
        <source>Affichage binaire</source>
        <translation>Binäranzeige</translation>
    </message>
    <message>
        <source>Affichage Binaire 2ème Réseau IP</source>
        <translation>IP-Netzwerk 2 binär</translation>
    </message>
    <message>
        <source>1er Réseau IP</source>
        <translation>IP-Netzwerk 1</translation>
    </message>
</context>
<context>
    <name>ui::BinarySumTab</name>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quitter (onglet Somme binaire)</source>
        <translation>Beenden (Registerkarte UND-Verknüpfung)</translation>
    </message>
    <message>
        <source>Permet de faire des sommes binaires</source>
        <translation>Verknüpft zwei Zahlen bitweise mit UND</translation>
    </message>
    <message>
        <source> 1er Nombre</source>
        <translation> Zahl 1</translation>
    </message>
    <message>
        <source>1er nombre</source>
        <translation>Zahl 1</translation>
    </message>
    <message>
        <source>1er nombre, bit %1 (poids %2)</source>
        <translation>Zahl 1, Bit %1 (Wertigkeit %2)</translation>
    </message>
    <message>
        <source> 2ème Nombre</source>
        <translation> Zahl 2</translation>
    </message>
    <message>
        <source>2ème nombre</source>
        <translation>Zahl 2</translation>
    </message>
    <message>
        <source>2ème nombre, bit %1 (poids %2)</source>
        <translation>Zahl 2, Bit %1 (Wertigkeit %2)</translation>
    </message>
    <message>
        <source> Résultat</source>
        <translation> Ergebnis</translation>
    </message>
    <message>
        <source>Résultat de la somme binaire</source>
        <translation>Ergebnis der UND-Verknüpfung</translation>
    </message>
    <message>
        <source>Résultat, bit %1 (poids %2)</source>
        <translation>Ergebnis, Bit %1 (Wertigkeit %2)</translation>
    </message>
    <message>
        <source> Représentation binaire </source>
        <translation> Binärdarstellung </translation>
    </message>
    <message>
        <source>&amp;Somme Binaire</source>
        <translation>&amp;UND-Verknüpfung</translation>
    </message>
</context>
<context>
    <name>ui::CopyMenu</name>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Tout copier</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
</context>
<context>
    <name>ui::EchoScene</name>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Request TimeOut</source>
        <translation>Request TimeOut</translation>
    </message>
    <message>
        <source>Echo Reply</source>
        <translation>Echo Reply</translation>
    </message>
    <message>
        <source>Echo Request</source>
        <translation>Echo Request</translation>
    </message>
</context>
<context>
    <name>ui::MaskTab</name>
    <message>
        <source> Type de classe</source>
        <translation> Adressklasse</translation>
    </message>
    <message>
        <source> Masque Réseau</source>
        <translation> Subnetzmaske</translation>
    </message>
    <message>
        <source>Classe A</source>
        <translation>Klasse A</translation>
    </message>
    <message>
        <source>Classe B</source>
        <translation>Klasse B</translation>
    </message>
    <message>
        <source>Classe C</source>
        <translation>Klasse C</translation>
    </message>
    <message>
        <source>Type de classe, classe %1</source>
        <translation>Adressklasse, Klasse %1</translation>
    </message>
    <message>
        <source>Masque réseau, classe %1</source>
        <translation>Subnetzmaske, Klasse %1</translation>
    </message>
    <message>
        <source>Type de classe, adresse IP, octet %1</source>
        <translation>Adressklasse, IP-Adresse, Oktett %1</translation>
    </message>
    <message>
        <source>Masque réseau, octet %1</source>
        <translation>Subnetzmaske, Oktett %1</translation>
    </message>
    <message>
        <source>  Notation       &amp;Slash</source>
        <extracomment>The blanks wrap the caption onto two lines of the narrow button.</extracomment>
        <translation>  &amp;Slash-       Notation</translation>
    </message>
    <message>
        <source>Notation slash du masque</source>
        <translation>Maske in Slash-Notation</translation>
    </message>
    <message>
        <source>Nombre de Sous-Réseaux désirés :</source>
        <translation>Anzahl gewünschter Subnetze:</translation>
    </message>
    <message>
        <source>Nombre de sous-réseaux désirés</source>
        <translation>Anzahl gewünschter Subnetze</translation>
    </message>
    <message>
        <source>&amp;Calcul</source>
        <translation>&amp;Los</translation>
    </message>
    <message>
        <source>Calculer les sous-réseaux</source>
        <translation>Subnetze berechnen</translation>
    </message>
    <message>
        <source>Stations possibles / Sous-Réseau :</source>
        <translation>Mögliche Rechner / Subnetz:</translation>
    </message>
    <message>
        <source>Stations possibles par sous-réseau</source>
        <translation>Mögliche Rechner pro Subnetz</translation>
    </message>
    <message>
        <source>xx Réseaux Possibles</source>
        <translation>xx mögliche Subnetze</translation>
    </message>
    <message>
        <source>Liste des sous-réseaux possibles</source>
        <translation>Liste der möglichen Subnetze</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quitter (onglet Calcul d&apos;un masque IP)</source>
        <translation>Beenden (Registerkarte IP-Maske berechnen)</translation>
    </message>
    <message>
        <source>&amp;Calcul d&apos;un Masque IP</source>
        <translation>IP-&amp;Maske berechnen</translation>
    </message>
</context>
<context>
    <name>ui::SameNetworkTab</name>
    <message>
        <source>Permet de vérifier si deux réseaux IP d&apos;adressage différents, appartiennent au même réseau IP</source>
        <translation>Prüft, ob zwei unterschiedlich adressierte IP-Netzwerke zum selben IP-Netzwerk gehören</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quitter (onglet Réseaux identiques)</source>
        <translation>Beenden (Registerkarte Gleiches Netzwerk)</translation>
    </message>
    <message>
        <source>&amp;Effacer</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Effacer les deux réseaux</source>
        <translation>Beide Netzwerke löschen</translation>
    </message>
    <message>
        <source>&amp;Vérification</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Vérifier si les deux réseaux sont identiques</source>
        <translation>Prüfen, ob beide Netzwerke gleich sind</translation>
    </message>
    <message>
        <source>1er Réseau IP</source>
        <translation>IP-Netzwerk 1</translation>
    </message>
    <message>
        <source>2ème Réseau IP</source>
        <translation>IP-Netzwerk 2</translation>
    </message>
    <message>
        <source>1er réseau, adresse, octet %1</source>
        <translation>Netzwerk 1, Adresse, Oktett %1</translation>
    </message>
    <message>
        <source>1er réseau, masque, octet %1</source>
        <translation>Netzwerk 1, Maske, Oktett %1</translation>
    </message>
    <message>
        <source>2ème réseau, adresse, octet %1</source>
        <translation>Netzwerk 2, Adresse, Oktett %1</translation>
    </message>
    <message>
        <source>2ème réseau, masque, octet %1</source>
        <translation>Netzwerk 2, Maske, Oktett %1</translation>
    </message>
    <message>
        <source>Adresse IP</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Masque</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>&amp;Réseaux Identiques ?</source>
        <translation>Gleiches &amp;Netzwerk?</translation>
    </message>
</context>
</TS>
