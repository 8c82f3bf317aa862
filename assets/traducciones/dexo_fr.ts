<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="es">
<context>
    <name>AccionInicioSistema</name>
    <message>
        <source>No se pudo hacer que Dexo se abra al iniciar el sistema.

%1</source>
        <translation>Impossible de faire démarrer Dexo avec le système.

%1</translation>
    </message>
</context>
<context>
    <name>ArchivoSistema</name>
    <message>
        <source>permiso denegado</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>el disco o la carpeta son de solo lectura</source>
        <translation>le disque ou le dossier est en lecture seule</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>il ne reste plus d&apos;espace sur le disque</translation>
    </message>
    <message>
        <source>se ha agotado la cuota de disco del usuario</source>
        <translation>le quota de disque de l&apos;utilisateur est épuisé</translation>
    </message>
    <message>
        <source>el archivo supera el tamaño que el sistema permite</source>
        <translation>le fichier dépasse la taille que le système permet</translation>
    </message>
    <message>
        <source>la carpeta o el archivo no existen</source>
        <translation>le dossier ou le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>une partie du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>es una carpeta</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>la ruta es demasiado larga</source>
        <translation>le chemin est trop long</translation>
    </message>
    <message>
        <source>hay un ciclo de enlaces simbólicos en la ruta</source>
        <translation>il y a une boucle de liens symboliques dans le chemin</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>erreur de lecture ou d&apos;écriture sur le disque</translation>
    </message>
    <message>
        <source>hay demasiados archivos abiertos</source>
        <translation>trop de fichiers sont ouverts</translation>
    </message>
    <message>
        <source>el archivo está en uso</source>
        <translation>le fichier est en cours d&apos;utilisation</translation>
    </message>
</context>
<context>
    <name>BarrasTransparencia</name>
    <message>
        <source>Transparencia %1 %</source>
        <translation>Transparence %1 %</translation>
    </message>
</context>
<context>
    <name>DlgFuenteColor</name>
    <message>
        <source>Fuente de letra, tamaño y color</source>
        <translation>Police, taille et couleur</translation>
    </message>
    <message>
        <source>&amp;Negrita</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Cursiva</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Subrayada</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>&amp;Tachada</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>C&amp;olor...</source>
        <translation>C&amp;ouleur...</translation>
    </message>
    <message>
        <source>&amp;Fuente:</source>
        <translation>&amp;Police :</translation>
    </message>
    <message>
        <source>T&amp;amaño:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>Estilo:</source>
        <translation>Style :</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Muestra:</source>
        <translation>Aperçu :</translation>
    </message>
    <message>
        <source>Color de la letra</source>
        <translation>Couleur du texte</translation>
    </message>
</context>
<context>
    <name>FrmInfo</name>
    <message>
        <source>Continuar...</source>
        <translation>Continuer...</translation>
    </message>
    <message>
        <source>Abrir %1</source>
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <source>Mostrar ayuda...</source>
        <translation>Afficher l&apos;aide...</translation>
    </message>
    <message>
        <source>Mostrar esta información al inicio del programa</source>
        <translation>Afficher ces informations au démarrage du programme</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>¿Guardarlos antes de cargar otro idioma?</source>
        <translation>Les enregistrer avant de charger une autre langue ?</translation>
    </message>
    <message>
        <source>Hay textos que no se han guardado.</source>
        <translation>Certains textes n&apos;ont pas été enregistrés.</translation>
    </message>
    <message>
        <source>No se pudo guardar el idioma en
%1</source>
        <translation>Impossible d&apos;enregistrer la langue dans
%1</translation>
    </message>
    <message>
        <source>¿Guardarlos antes de cerrar?</source>
        <translation>Les enregistrer avant de fermer ?</translation>
    </message>
    <message>
        <source>Página anterior</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Página siguiente</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Referencia: archivo</source>
        <translation>Référence : fichier</translation>
    </message>
    <message>
        <source>Traducir: archivo</source>
        <translation>Traduire : fichier</translation>
    </message>
    <message>
        <source>Referencia: %1</source>
        <translation>Référence : %1</translation>
    </message>
    <message>
        <source>Traducir: %1</source>
        <translation>Traduire : %1</translation>
    </message>
    <message>
        <source>1 día</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>%1 días</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>Guardado: %1</source>
        <translation>Enregistré : %1</translation>
    </message>
    <message>
        <source>Este texto tiene %1 caracteres; la casilla muestra el principio. Se guarda entero mientras no lo cambie.</source>
        <translation>Ce texte compte %1 caractères ; la case en montre le début. Il est enregistré en entier tant que vous ne le modifiez pas.</translation>
    </message>
    <message>
        <source>%1 ya existe.
¿Quiere reemplazarlo?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>No se pudo crear la nueva cuenta atrás en
%1

%2</source>
        <translation>Impossible de créer le nouveau compte à rebours dans
%1

%2</translation>
    </message>
    <message>
        <source>¿Quitar esta cuenta atrás? Su ventana se cierra y sus ajustes se borran; no volverá a abrirse.</source>
        <translation>Supprimer ce compte à rebours ? Sa fenêtre se ferme et ses réglages sont effacés ; il ne se rouvrira plus.</translation>
    </message>
    <message>
        <source>No se pudo borrar
%1

%2</source>
        <translation>Impossible de supprimer
%1

%2</translation>
    </message>
    <message>
        <source>Cerrar esta cuenta atrás</source>
        <translation>Fermer ce compte à rebours</translation>
    </message>
</context>
<context>
    <name>FrmOpc</name>
    <message>
        <source>Fecha obsoleta.</source>
        <translation>Date dépassée.</translation>
    </message>
    <message>
        <source>La fecha seleccionada (%1) para el último
evento es muy antigua. Se reinicirá a la fecha actual.</source>
        <translation>La date choisie (%1) pour le dernier
événement est trop ancienne. Elle sera remise à la date du jour.</translation>
    </message>
    <message>
        <source>No se pudieron guardar las opciones en
%1

%2

Las opciones siguen abiertas con sus cambios.</source>
        <translation>Impossible d&apos;enregistrer les options dans
%1

%2

Les options restent ouvertes avec vos modifications.</translation>
    </message>
</context>
<context>
    <name>Idioma</name>
    <message>
        <source>No se pudo leer el archivo</source>
        <translation>Impossible de lire le fichier</translation>
    </message>
    <message>
        <source>No se pudo copiar en %1</source>
        <translation>Impossible de copier le fichier dans %1</translation>
    </message>
    <message>
        <source>Un nombre que empieza por un punto haría un archivo oculto, y Dexo no lo ofrecería como idioma.</source>
        <translation>Un nom qui commence par un point créerait un fichier caché, et Dexo ne le proposerait pas comme langue.</translation>
    </message>
    <message>
        <source>El nombre del idioma está en blanco.</source>
        <translation>Le nom de la langue est vide.</translation>
    </message>
    <message>
        <source>Un nombre de idioma no puede llevar caracteres de control ni ninguno de estos: &lt; &gt; : &quot; / \ | ? *</source>
        <translation>Un nom de langue ne peut contenir ni caractères de contrôle ni aucun de ceux-ci : &lt; &gt; : &quot; / \ | ? *</translation>
    </message>
    <message>
        <source>Un nombre de idioma no puede llevar dos puntos seguidos (..).</source>
        <translation>Un nom de langue ne peut pas contenir deux points à la suite (..).</translation>
    </message>
    <message>
        <source>Un nombre de idioma no puede acabar en un punto ni en un espacio.</source>
        <translation>Un nom de langue ne peut pas se terminer par un point ni par une espace.</translation>
    </message>
    <message>
        <source>Windows reserva el nombre %1 para un dispositivo.</source>
        <translation>Windows réserve le nom %1 à un périphérique.</translation>
    </message>
    <message>
        <source>El nombre es demasiado largo para un archivo.</source>
        <translation>Le nom est trop long pour un fichier.</translation>
    </message>
    <message>
        <source>No se puede usar como idioma el archivo
%1

%2</source>
        <translation>Ce fichier ne peut pas servir de langue :
%1

%2</translation>
    </message>
    <message>
        <source>No es un archivo de idioma: su nombre no acaba en .dxl.</source>
        <translation>Ce n&apos;est pas un fichier de langue : son nom ne se termine pas par .dxl.</translation>
    </message>
    <message>
        <source>No es un archivo de idioma de Dexo: le falta el texto [%1] %2.</source>
        <translation>Ce n&apos;est pas un fichier de langue de Dexo : le texte [%1] %2 manque.</translation>
    </message>
    <message>
        <source>Ya hay otro idioma %1 en
%2

¿Reemplazarlo por el archivo elegido?</source>
        <translation>Il existe déjà une autre langue %1 dans
%2

La remplacer par le fichier choisi ?</translation>
    </message>
</context>
<context>
    <name>InicioSistema</name>
    <message>
        <source>Windows no permitió escribir el valor &quot;%1&quot; en la clave Run del registro.</source>
        <translation>Windows n&apos;a pas permis d&apos;écrire la valeur « %1 » dans la clé Run du registre.</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>No se pudo escribir %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>LineaOrdenes</name>
    <message>
        <source>Dexo: no se sabe en qué carpeta está el programa.
</source>
        <translation>Dexo : le dossier du programme est inconnu.
</translation>
    </message>
    <message>
        <source>Dexo: opción desconocida: %1
</source>
        <translation>Dexo : option inconnue : %1
</translation>
    </message>
    <message>
        <source>Uso: dexo [opción]
Sin opciones abre la ventana de la cuenta atrás.

  --days     escribe los días que faltan, tal como los muestra la ventana, y termina
  --days --all  lo mismo para cada cuenta atrás, una por línea: los días, un
             tabulador y la descripción del evento
  --version  escribe el nombre y la versión del programa
  --help     muestra esta ayuda

También acepta las opciones de Qt, como -platform xcb.
</source>
        <translation>Usage : dexo [option]
Sans option, ouvre la fenêtre du compte à rebours.

  --days     écrit les jours restants, tels que la fenêtre les affiche, et termine
  --days --all  de même pour chaque compte à rebours, un par ligne : les jours,
             une tabulation et la description de l&apos;événement
  --version  écrit le nom et la version du programme
  --help     affiche cette aide

Accepte aussi les options de Qt, comme -platform xcb.
</translation>
    </message>
</context>
<context>
    <name>MenuPrincipal</name>
    <message>
        <source>Nueva cuenta atrás...</source>
        <translation>Nouveau compte à rebours...</translation>
    </message>
    <message>
        <source>Quitar esta cuenta atrás...</source>
        <translation>Supprimer ce compte à rebours...</translation>
    </message>
</context>
<context>
    <name>ModGral</name>
    <message>
        <source>El sistema no permitió escribir el archivo.</source>
        <translation>Le système n&apos;a pas permis d&apos;écrire le fichier.</translation>
    </message>
    <message>
        <source>No se pudieron guardar los ajustes en
%1

%2

Dexo seguirá funcionando con los valores actuales, pero los cambios se perderán al cerrarlo.</source>
        <translation>Impossible d&apos;enregistrer les réglages dans
%1

%2

Dexo continuera de fonctionner avec les valeurs actuelles, mais les modifications seront perdues à sa fermeture.</translation>
    </message>
</context>
<context>
    <name>PanelAviso</name>
    <message>
        <source>Ninguno</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Icono %1</source>
        <translation>Icône %1</translation>
    </message>
    <message>
        <source>Imagen propia</source>
        <translation>Image personnelle</translation>
    </message>
</context>
<context>
    <name>Perfil</name>
    <message>
        <source>En el lugar del archivo hay una carpeta.</source>
        <translation>Il y a un dossier à la place du fichier.</translation>
    </message>
    <message>
        <source>No es un archivo normal, sino un dispositivo, una tubería o un socket.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire, mais un périphérique, un tube ou un socket.</translation>
    </message>
    <message>
        <source>El archivo mide más de 256 MiB: no es un archivo de ajustes.</source>
        <translation>Le fichier dépasse 256 Mio : ce n&apos;est pas un fichier de réglages.</translation>
    </message>
    <message>
        <source>No se pudo abrir el archivo</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>No se pudo leer el archivo</source>
        <translation>Impossible de lire le fichier</translation>
    </message>
    <message>
        <source>No se pudo crear un archivo nuevo en su carpeta</source>
        <translation>Impossible de créer un nouveau fichier dans son dossier</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo</source>
        <translation>Impossible d&apos;écrire le fichier</translation>
    </message>
    <message>
        <source>No se pudo guardar el archivo</source>
        <translation>Impossible d&apos;enregistrer le fichier</translation>
    </message>
    <message>
        <source>El nombre de la sección contiene un salto de línea.</source>
        <translation>Le nom de la section contient un saut de ligne.</translation>
    </message>
    <message>
        <source>El nombre de la clave contiene un salto de línea.</source>
        <translation>Le nom de la clé contient un saut de ligne.</translation>
    </message>
    <message>
        <source>El archivo es de solo lectura.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>El valor de [%1] %2 contiene un salto de línea.</source>
        <translation>La valeur de [%1] %2 contient un saut de ligne.</translation>
    </message>
</context>
<context>
    <name>PlataformaQt</name>
    <message>
        <source>Guardar</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>No guardar</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Revenir</translation>
    </message>
</context>
<context>
    <name>SelectorFecha</name>
    <message>
        <source>Enero</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>Febrero</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>Marzo</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Abril</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>Mayo</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Junio</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>Julio</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>Agosto</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>Septiembre</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>Octubre</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>Noviembre</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>Diciembre</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Mes</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Cada año</source>
        <translation>Chaque année</translation>
    </message>
</context>
</TS>
