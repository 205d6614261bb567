<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>core</name>
    <message>
        <source>Adresse IP - Type classe </source>
        <translation>IP Address - Class </translation>
    </message>
    <message>
        <source>Adresse IP - Type classe %1</source>
        <translation>IP Address - Class %1</translation>
    </message>
    <message>
        <source>La saisie de votre adresse 1er Réseau IP semble incorrecte. Veuillez vérifier votre adressage.</source>
        <translation>The address of your 1st IP network looks wrong. Please check your addressing.</translation>
    </message>
    <message>
        <source>La saisie de votre adresse 2ème Réseau IP semble incorrecte. Veuillez vérifier votre adressage.</source>
        <translation>The address of your 2nd IP network looks wrong. Please check your addressing.</translation>
    </message>
    <message>
        <source>Ces 2 réseaux IP appartiennent au même réseau, et ils peuvent communiquer entre eux.</source>
        <translation>These 2 IP networks belong to the same network, and they can communicate with each other.</translation>
    </message>
    <message>
        <source>Ces 2 réseaux IP sont différents. Vous devrez installer des routeurs entre eux.</source>
        <translation>These 2 IP networks are different. You will need to install routers between them.</translation>
    </message>
    <message>
        <source>De %1 à %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source> La valeur doit être comprise entre %1 et %2</source>
        <translation> The value must be between %1 and %2</translation>
    </message>
    <message>
        <source>Votre Adresse IP n&apos;est pas renseignée</source>
        <translation>Your IP address has not been entered</translation>
    </message>
    <message>
        <source>%1 réseaux possibles</source>
        <translation>%1 possible subnets</translation>
    </message>
    <message>
        <source>Erreur de saisie</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>Vérification</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>La valeur doit être comprise entre %1 et %2.</source>
        <translation>The value must be between %1 and %2.</translation>
    </message>
    <message>
        <source>Ce masque n&apos;est pas un masque de sous-réseau valide.</source>
        <translation>This mask is not a valid subnet mask.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Utilisation : resomar [options]
Calculatrice d&apos;adressage IPv4 : deux réseaux identiques ?, calcul d&apos;un masque de sous-réseaux, somme binaire.

Options :
</source>
        <translation>Usage: resomar [options]
IPv4 addressing calculator: same network?, subnet mask calculation, binary AND.

Options:
</translation>
    </message>
    <message>
        <source>
Les options standard de Qt sont aussi reconnues : -platform, -display, -style, etc.
</source>
        <translation>
Qt&apos;s standard options are understood too: -platform, -display, -style, etc.
</translation>
    </message>
    <message>
        <source>Affiche cette aide, puis quitte.</source>
        <translation>Shows this help, then quits.</translation>
    </message>
    <message>
        <source>Affiche la version de Resomar, puis quitte.</source>
        <translation>Shows Resomar&apos;s version, then quits.</translation>
    </message>
    <message>
        <source>Essayez « resomar --help ».
</source>
        <translation>Try &apos;resomar --help&apos;.
</translation>
    </message>
    <message>
        <source>resomar : option inconnue : %1
</source>
        <translation>resomar: unknown option: %1
</translation>
    </message>
    <message>
        <source>resomar : argument inattendu : %1
</source>
        <translation>resomar: unexpected argument: %1
</translation>
    </message>
    <message>
        <source>resomar : il manque la valeur de l&apos;option %1
</source>
        <translation>resomar: option %1 needs a value
</translation>
    </message>
    <message>
        <source>resomar : erreur d&apos;écriture : %1
</source>
        <translation>resomar: write error: %1
</translation>
    </message>
    <message>
        <source>resomar : aucun écran où ouvrir la fenêtre (%1) ; pour la lancer sans écran : xvfb-run %2
</source>
        <translation>resomar: no display to open the window on (%1); to run it without a screen: xvfb-run %2
</translation>
    </message>
    <message>
        <source>resomar : l&apos;écran n&apos;a que %1 bits par pixel ; il en faut au moins 15.
</source>
        <translation>resomar: the screen has only %1 bits per pixel; it needs at least 15.
</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>la sortie est fermée</source>
        <translation>the output is closed</translation>
    </message>
    <message>
        <source>la sortie refuse le texte</source>
        <translation>the output refuses the text</translation>
    </message>
    <message>
        <source>resomar : la connexion à l&apos;écran est perdue ; le programme se ferme.
</source>
        <translation>resomar: the connection to the display is lost; the program quits.
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
        <translation>IPv4 address calculator
for the networking class</translation>
    </message>
    <message>
        <source>À propos de %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Title</translation>
    </message>
</context>
<context>
    <name>ui::BinaryPanel</name>
    <message>
        <source>Affichage Binaire 1er Réseau IP</source>
        <translation>1st IP Network in Binary</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Masque</source>
        <translation>Mask</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>2ème Réseau IP</source>
        <translation>2nd IP Network</translation>
    </message>
    <message>
        <source>Afficher l&apos;autre réseau en binaire</source>
        <translation>Show the other network in binary</translation>
    </message>
    <message>
        <source>Affichage binaire, adresse</source>
        <translation>Binary display, address</translation>
    </message>
    <message>
        <source>Affichage binaire, masque</source>
        <translation>Binary display, mask</translation>
    </message>
    <message>
        <source>Affichage binaire, résultat</source>
        <translation>Binary display, result</translation>
    </message>
    <message>
        <source>Affichage Binaire</source>
        <translation>Binary Display</translation>
    </message>
    <message>
        <source>Affichage binaire</source>
        <translation>Binary display</translation>
    </message>
    <message>
        <source>Affichage Binaire 2ème Réseau IP</source>
        <translation>2nd IP Network in Binary</translation>
    </message>
    <message>
        <source>1er Réseau IP</source>
        <translation>1st IP Network</translation>
    </message>
</context>
<context>
    <name>ui::BinarySumTab</name>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Quitter (onglet Somme binaire)</source>
        <translation>Quit (Binary AND tab)</translation>
    </message>
    <message>
        <source>Permet de faire des sommes binaires</source>
        <translation>Works out the binary AND of two numbers</translation>
    </message>
    <message>
        <source> 1er Nombre</source>
        <translation> 1st Number</translation>
    </message>
    <message>
        <source>1er nombre</source>
        <translation>1st number</translation>
    </message>
    <message>
        <source>1er nombre, bit %1 (poids %2)</source>
        <translation>1st number, bit %1 (weight %2)</translation>
    </message>
    <message>
        <source> 2ème Nombre</source>
        <translation> 2nd Number</translation>
    </message>
    <message>
        <source>2ème nombre</source>
        <translation>2nd number</translation>
    </message>
    <message>
        <source>2ème nombre, bit %1 (poids %2)</source>
        <translation>2nd number, bit %1 (weight %2)</translation>
    </message>
    <message>
        <source> Résultat</source>
        <translation> Result</translation>
    </message>
    <message>
        <source>Résultat de la somme binaire</source>
        <translation>Result of the binary AND</translation>
    </message>
    <message>
        <source>Résultat, bit %1 (poids %2)</source>
        <translation>Result, bit %1 (weight %2)</translation>
    </message>
    <message>
        <source> Représentation binaire </source>
        <translation> Binary representation </translation>
    </message>
    <message>
        <source>&amp;Somme Binaire</source>
        <translation>&amp;Binary AND</translation>
    </message>
</context>
<context>
    <name>ui::CopyMenu</name>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Tout copier</source>
        <translation>Copy &amp;all</translation>
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
        <translation> Address Class</translation>
    </message>
    <message>
        <source> Masque Réseau</source>
        <translation> Network Mask</translation>
    </message>
    <message>
        <source>Classe A</source>
        <translation>Class A</translation>
    </message>
    <message>
        <source>Classe B</source>
        <translation>Class B</translation>
    </message>
    <message>
        <source>Classe C</source>
        <translation>Class C</translation>
    </message>
    <message>
        <source>Type de classe, classe %1</source>
        <translation>Address class, class %1</translation>
    </message>
    <message>
        <source>Masque réseau, classe %1</source>
        <translation>Network mask, class %1</translation>
    </message>
    <message>
        <source>Type de classe, adresse IP, octet %1</source>
        <translation>Address class, IP address, octet %1</translation>
    </message>
    <message>
        <source>Masque réseau, octet %1</source>
        <translation>Network mask, octet %1</translation>
    </message>
    <message>
        <source>  Notation       &amp;Slash</source>
        <extracomment>The blanks wrap the caption onto two lines of the narrow button.</extracomment>
        <translation>  &amp;Slash       Notation</translation>
    </message>
    <message>
        <source>Notation slash du masque</source>
        <translation>Mask in slash notation</translation>
    </message>
    <message>
        <source>Nombre de Sous-Réseaux désirés :</source>
        <translation>Number of Subnets Wanted:</translation>
    </message>
    <message>
        <source>Nombre de sous-réseaux désirés</source>
        <translation>Number of subnets wanted</translation>
    </message>
    <message>
        <source>&amp;Calcul</source>
        <translation>&amp;Go</translation>
    </message>
    <message>
        <source>Calculer les sous-réseaux</source>
        <translation>Calculate the subnets</translation>
    </message>
    <message>
        <source>Stations possibles / Sous-Réseau :</source>
        <translation>Possible Hosts / Subnet:</translation>
    </message>
    <message>
        <source>Stations possibles par sous-réseau</source>
        <translation>Possible hosts per subnet</translation>
    </message>
    <message>
        <source>xx Réseaux Possibles</source>
        <translation>xx Possible Subnets</translation>
    </message>
    <message>
        <source>Liste des sous-réseaux possibles</source>
        <translation>List of possible subnets</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Quitter (onglet Calcul d&apos;un masque IP)</source>
        <translation>Quit (IP Mask Calculation tab)</translation>
    </message>
    <message>
        <source>&amp;Calcul d&apos;un Masque IP</source>
        <translation>IP &amp;Mask Calculation</translation>
    </message>
</context>
<context>
    <name>ui::SameNetworkTab</name>
    <message>
        <source>Permet de vérifier si deux réseaux IP d&apos;adressage différents, appartiennent au même réseau IP</source>
        <translation>Checks whether two IP networks, addressed differently, belong to the same IP network</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Quitter (onglet Réseaux identiques)</source>
        <translation>Quit (Same Network tab)</translation>
    </message>
    <message>
        <source>&amp;Effacer</source>
        <translation>Cl&amp;ear</translation>
    </message>
    <message>
        <source>Effacer les deux réseaux</source>
        <translation>Clear both networks</translation>
    </message>
    <message>
        <source>&amp;Vérification</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>Vérifier si les deux réseaux sont identiques</source>
        <translation>Check whether the two networks are the same</translation>
    </message>
    <message>
        <source>1er Réseau IP</source>
        <translation>1st IP Network</translation>
    </message>
    <message>
        <source>1er réseau, adresse, octet %1</source>
        <translation>1st network, address, octet %1</translation>
    </message>
    <message>
        <source>1er réseau, masque, octet %1</source>
        <translation>1st network, mask, octet %1</translation>
    </message>
    <message>
        <source>2ème Réseau IP</source>
        <translation>2nd IP Network</translation>
    </message>
    <message>
        <source>2ème réseau, adresse, octet %1</source>
        <translation>2nd network, address, octet %1</translation>
    </message>
    <message>
        <source>2ème réseau, masque, octet %1</source>
        <translation>2nd network, mask, octet %1</translation>
    </message>
    <message>
        <source>Adresse IP</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>Masque</source>
        <translation>Mask</translation>
    </message>
    <message>
        <source>&amp;Réseaux Identiques ?</source>
        <translation>Same &amp;Network?</translation>
    </message>
</context>
</TS>
