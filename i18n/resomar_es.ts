<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="fr">
<context>
    <name>core</name>
    <message>
        <source>Adresse IP - Type classe </source>
        <translation>Dirección IP - Clase </translation>
    </message>
    <message>
        <source>Adresse IP - Type classe %1</source>
        <translation>Dirección IP - Clase %1</translation>
    </message>
    <message>
        <source>La saisie de votre adresse 1er Réseau IP semble incorrecte. Veuillez vérifier votre adressage.</source>
        <translation>La dirección de la red IP 1 parece incorrecta. Revise el direccionamiento.</translation>
    </message>
    <message>
        <source>La saisie de votre adresse 2ème Réseau IP semble incorrecte. Veuillez vérifier votre adressage.</source>
        <translation>La dirección de la red IP 2 parece incorrecta. Revise el direccionamiento.</translation>
    </message>
    <message>
        <source>Ces 2 réseaux IP appartiennent au même réseau, et ils peuvent communiquer entre eux.</source>
        <translation>Estas 2 redes IP pertenecen a la misma red y pueden comunicarse entre sí.</translation>
    </message>
    <message>
        <source>Ces 2 réseaux IP sont différents. Vous devrez installer des routeurs entre eux.</source>
        <translation>Estas 2 redes IP son distintas. Tendrá que poner routers entre ellas.</translation>
    </message>
    <message>
        <source>De %1 à %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source> La valeur doit être comprise entre %1 et %2</source>
        <translation> El valor debe estar entre %1 y %2</translation>
    </message>
    <message>
        <source>Votre Adresse IP n&apos;est pas renseignée</source>
        <translation>No ha introducido la dirección IP</translation>
    </message>
    <message>
        <source>%1 réseaux possibles</source>
        <translation>%1 subredes posibles</translation>
    </message>
    <message>
        <source>Erreur de saisie</source>
        <translation>Error de entrada</translation>
    </message>
    <message>
        <source>Vérification</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>La valeur doit être comprise entre %1 et %2.</source>
        <translation>El valor debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>Ce masque n&apos;est pas un masque de sous-réseau valide.</source>
        <translation>Esta máscara no es una máscara de subred válida.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>resomar : aucun écran où ouvrir la fenêtre (%1) ; pour la lancer sans écran : xvfb-run %2
</source>
        <translation>resomar: no hay pantalla donde abrir la ventana (%1); para usarlo sin pantalla: xvfb-run %2
</translation>
    </message>
    <message>
        <source>resomar : l&apos;écran n&apos;a que %1 bits par pixel ; il en faut au moins 15.
</source>
        <translation>resomar: la pantalla solo tiene %1 bits por píxel; se necesitan al menos 15.
</translation>
    </message>
    <message>
        <source>Utilisation : resomar [options]
Calculatrice d&apos;adressage IPv4 : deux réseaux identiques ?, calcul d&apos;un masque de sous-réseaux, somme binaire.

Options :
</source>
        <translation>Uso: resomar [opciones]
Calculadora de direccionamiento IPv4: ¿misma red?, cálculo de la máscara de subred, AND binario.

Opciones:
</translation>
    </message>
    <message>
        <source>
Les options standard de Qt sont aussi reconnues : -platform, -display, -style, etc.
</source>
        <translation>
También se aceptan las opciones estándar de Qt: -platform, -display, -style, etc.
</translation>
    </message>
    <message>
        <source>Affiche cette aide, puis quitte.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Affiche la version de Resomar, puis quitte.</source>
        <translation>Muestra la versión de Resomar y sale.</translation>
    </message>
    <message>
        <source>Essayez « resomar --help ».
</source>
        <translation>Pruebe «resomar --help».
</translation>
    </message>
    <message>
        <source>resomar : il manque la valeur de l&apos;option %1
</source>
        <translation>resomar: falta el valor de la opción %1
</translation>
    </message>
    <message>
        <source>resomar : option inconnue : %1
</source>
        <translation>resomar: opción desconocida: %1
</translation>
    </message>
    <message>
        <source>resomar : argument inattendu : %1
</source>
        <translation>resomar: argumento inesperado: %1
</translation>
    </message>
    <message>
        <source>resomar : erreur d&apos;écriture : %1
</source>
        <translation>resomar: error de escritura: %1
</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>la sortie est fermée</source>
        <translation>la salida está cerrada</translation>
    </message>
    <message>
        <source>la sortie refuse le texte</source>
        <translation>la salida no acepta el texto</translation>
    </message>
    <message>
        <source>resomar : la connexion à l&apos;écran est perdue ; le programme se ferme.
</source>
        <translation>resomar: se perdió la conexión con la pantalla; el programa se cierra.
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
        <translation>Calculadora IPv4
para la clase de redes</translation>
    </message>
    <message>
        <source>À propos de %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Título</translation>
    </message>
</context>
<context>
    <name>ui::BinaryPanel</name>
    <message>
        <source>Affichage Binaire 1er Réseau IP</source>
        <translation>Red IP 1 en binario</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Masque</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>2ème Réseau IP</source>
        <translation>Red IP 2</translation>
    </message>
    <message>
        <source>Afficher l&apos;autre réseau en binaire</source>
        <translation>Mostrar la otra red en binario</translation>
    </message>
    <message>
        <source>Affichage binaire, adresse</source>
        <translation>Vista binaria, dirección</translation>
    </message>
    <message>
        <source>Affichage binaire, masque</source>
        <translation>Vista binaria, máscara</translation>
    </message>
    <message>
        <source>Affichage binaire, résultat</source>
        <translation>Vista binaria, resultado</translation>
    </message>
    <message>
        <source>Affichage Binaire</source>
        <translation>Vista binaria</translation>
    </message>
    <message>
        <source>Affichage binaire</source>
        <translation>Vista binaria</translation>
    </message>
    <message>
        <source>Affichage Binaire 2ème Réseau IP</source>
        <translation>Red IP 2 en binario</translation>
    </message>
    <message>
        <source>1er Réseau IP</source>
        <translation>Red IP 1</translation>
    </message>
</context>
<context>
    <name>ui::BinarySumTab</name>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quitter (onglet Somme binaire)</source>
        <translation>Salir (pestaña AND binario)</translation>
    </message>
    <message>
        <source>Permet de faire des sommes binaires</source>
        <translation>Calcula el AND binario de dos números</translation>
    </message>
    <message>
        <source> 1er Nombre</source>
        <translation> Número 1</translation>
    </message>
    <message>
        <source>1er nombre</source>
        <translation>Número 1</translation>
    </message>
    <message>
        <source>1er nombre, bit %1 (poids %2)</source>
        <translation>Número 1, bit %1 (peso %2)</translation>
    </message>
    <message>
        <source> 2ème Nombre</source>
        <translation> Número 2</translation>
    </message>
    <message>
        <source>2ème nombre</source>
        <translation>Número 2</translation>
    </message>
    <message>
        <source>2ème nombre, bit %1 (poids %2)</source>
        <translation>Número 2, bit %1 (peso %2)</translation>
    </message>
    <message>
        <source> Résultat</source>
        <translation> Resultado</translation>
    </message>
    <message>
        <source>Résultat de la somme binaire</source>
        <translation>Resultado del AND binario</translation>
    </message>
    <message>
        <source>Résultat, bit %1 (poids %2)</source>
        <translation>Resultado, bit %1 (peso %2)</translation>
    </message>
    <message>
        <source> Représentation binaire </source>
        <translation> Representación binaria </translation>
    </message>
    <message>
        <source>&amp;Somme Binaire</source>
        <translation>&amp;AND binario</translation>
    </message>
</context>
<context>
    <name>ui::CopyMenu</name>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Tout copier</source>
        <translation>Copiar &amp;todo</translation>
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
        <translation> Clase de red</translation>
    </message>
    <message>
        <source> Masque Réseau</source>
        <translation> Máscara de subred</translation>
    </message>
    <message>
        <source>Classe A</source>
        <translation>Clase A</translation>
    </message>
    <message>
        <source>Classe B</source>
        <translation>Clase B</translation>
    </message>
    <message>
        <source>Classe C</source>
        <translation>Clase C</translation>
    </message>
    <message>
        <source>Type de classe, classe %1</source>
        <translation>Clase de red, clase %1</translation>
    </message>
    <message>
        <source>Masque réseau, classe %1</source>
        <translation>Máscara de subred, clase %1</translation>
    </message>
    <message>
        <source>Type de classe, adresse IP, octet %1</source>
        <translation>Clase de red, dirección IP, octeto %1</translation>
    </message>
    <message>
        <source>Masque réseau, octet %1</source>
        <translation>Máscara de subred, octeto %1</translation>
    </message>
    <message>
        <source>  Notation       &amp;Slash</source>
        <extracomment>The blanks wrap the caption onto two lines of the narrow button.</extracomment>
        <translation>  Notación       &amp;barra</translation>
    </message>
    <message>
        <source>Notation slash du masque</source>
        <translation>Máscara en notación de barra</translation>
    </message>
    <message>
        <source>Nombre de Sous-Réseaux désirés :</source>
        <translation>Número de subredes deseadas:</translation>
    </message>
    <message>
        <source>Nombre de sous-réseaux désirés</source>
        <translation>Número de subredes deseadas</translation>
    </message>
    <message>
        <source>&amp;Calcul</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>Calculer les sous-réseaux</source>
        <translation>Calcular las subredes</translation>
    </message>
    <message>
        <source>Stations possibles / Sous-Réseau :</source>
        <translation>Hosts posibles / subred:</translation>
    </message>
    <message>
        <source>Stations possibles par sous-réseau</source>
        <translation>Hosts posibles por subred</translation>
    </message>
    <message>
        <source>xx Réseaux Possibles</source>
        <translation>xx subredes posibles</translation>
    </message>
    <message>
        <source>Liste des sous-réseaux possibles</source>
        <translation>Lista de subredes posibles</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quitter (onglet Calcul d&apos;un masque IP)</source>
        <translation>Salir (pestaña Cálculo de máscara IP)</translation>
    </message>
    <message>
        <source>&amp;Calcul d&apos;un Masque IP</source>
        <translation>Cálculo de &amp;máscara IP</translation>
    </message>
</context>
<context>
    <name>ui::SameNetworkTab</name>
    <message>
        <source>Permet de vérifier si deux réseaux IP d&apos;adressage différents, appartiennent au même réseau IP</source>
        <translation>Comprueba si dos redes IP con direccionamiento distinto pertenecen a la misma red IP</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quitter (onglet Réseaux identiques)</source>
        <translation>Salir (pestaña Misma red)</translation>
    </message>
    <message>
        <source>&amp;Effacer</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Effacer les deux réseaux</source>
        <translation>Borrar las dos redes</translation>
    </message>
    <message>
        <source>&amp;Vérification</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>Vérifier si les deux réseaux sont identiques</source>
        <translation>Comprobar si las dos redes son la misma</translation>
    </message>
    <message>
        <source>1er Réseau IP</source>
        <translation>Red IP 1</translation>
    </message>
    <message>
        <source>2ème Réseau IP</source>
        <translation>Red IP 2</translation>
    </message>
    <message>
        <source>1er réseau, adresse, octet %1</source>
        <translation>Red 1, dirección, octeto %1</translation>
    </message>
    <message>
        <source>1er réseau, masque, octet %1</source>
        <translation>Red 1, máscara, octeto %1</translation>
    </message>
    <message>
        <source>2ème réseau, adresse, octet %1</source>
        <translation>Red 2, dirección, octeto %1</translation>
    </message>
    <message>
        <source>2ème réseau, masque, octet %1</source>
        <translation>Red 2, máscara, octeto %1</translation>
    </message>
    <message>
        <source>Adresse IP</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Masque</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>&amp;Réseaux Identiques ?</source>
        <translation>¿Misma &amp;red?</translation>
    </message>
</context>
</TS>
