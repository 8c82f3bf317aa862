<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="es">
<context>
    <name>AccionInicioSistema</name>
    <message>
        <source>No se pudo hacer que Dexo se abra al iniciar el sistema.

%1</source>
        <translation>Non è stato possibile fare in modo che Dexo si apra all&apos;avvio del sistema.

%1</translation>
    </message>
</context>
<context>
    <name>ArchivoSistema</name>
    <message>
        <source>permiso denegado</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>el disco o la carpeta son de solo lectura</source>
        <translation>il disco o la cartella sono di sola lettura</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>non c&apos;è più spazio sul disco</translation>
    </message>
    <message>
        <source>se ha agotado la cuota de disco del usuario</source>
        <translation>la quota disco dell&apos;utente è esaurita</translation>
    </message>
    <message>
        <source>el archivo supera el tamaño que el sistema permite</source>
        <translation>il file supera la dimensione consentita dal sistema</translation>
    </message>
    <message>
        <source>la carpeta o el archivo no existen</source>
        <translation>la cartella o il file non esistono</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>una parte del percorso non è una cartella</translation>
    </message>
    <message>
        <source>es una carpeta</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>la ruta es demasiado larga</source>
        <translation>il percorso è troppo lungo</translation>
    </message>
    <message>
        <source>hay un ciclo de enlaces simbólicos en la ruta</source>
        <translation>c&apos;è un ciclo di collegamenti simbolici nel percorso</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>errore di lettura o scrittura sul disco</translation>
    </message>
    <message>
        <source>hay demasiados archivos abiertos</source>
        <translation>ci sono troppi file aperti</translation>
    </message>
    <message>
        <source>el archivo está en uso</source>
        <translation>il file è in uso</translation>
    </message>
</context>
<context>
    <name>BarrasTransparencia</name>
    <message>
        <source>Transparencia %1 %</source>
        <translation>Trasparenza %1 %</translation>
    </message>
</context>
<context>
    <name>DlgFuenteColor</name>
    <message>
        <source>Fuente de letra, tamaño y color</source>
        <translation>Carattere, dimensione e colore</translation>
    </message>
    <message>
        <source>&amp;Negrita</source>
        <translation>&amp;Grassetto</translation>
    </message>
    <message>
        <source>&amp;Cursiva</source>
        <translation>&amp;Corsivo</translation>
    </message>
    <message>
        <source>&amp;Subrayada</source>
        <translation>&amp;Sottolineato</translation>
    </message>
    <message>
        <source>&amp;Tachada</source>
        <translation>&amp;Barrato</translation>
    </message>
    <message>
        <source>C&amp;olor...</source>
        <translation>C&amp;olore...</translation>
    </message>
    <message>
        <source>&amp;Fuente:</source>
        <translation>Cara&amp;ttere:</translation>
    </message>
    <message>
        <source>T&amp;amaño:</source>
        <translation>&amp;Dimensione:</translation>
    </message>
    <message>
        <source>Estilo:</source>
        <translation>Stile:</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Muestra:</source>
        <translation>Anteprima:</translation>
    </message>
    <message>
        <source>Color de la letra</source>
        <translation>Colore del testo</translation>
    </message>
</context>
<context>
    <name>FrmInfo</name>
    <message>
        <source>Continuar...</source>
        <translation>Continua...</translation>
    </message>
    <message>
        <source>Abrir %1</source>
        <translation>Apri %1</translation>
    </message>
    <message>
        <source>Mostrar ayuda...</source>
        <translation>Mostra la guida...</translation>
    </message>
    <message>
        <source>Mostrar esta información al inicio del programa</source>
        <translation>Mostra queste informazioni all&apos;avvio del programma</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>¿Guardarlos antes de cargar otro idioma?</source>
        <translation>Salvarli prima di caricare un&apos;altra lingua?</translation>
    </message>
    <message>
        <source>Hay textos que no se han guardado.</source>
        <translation>Alcuni testi non sono stati salvati.</translation>
    </message>
    <message>
        <source>No se pudo guardar el idioma en
%1</source>
        <translation>Non è stato possibile salvare la lingua in
%1</translation>
    </message>
    <message>
        <source>¿Guardarlos antes de cerrar?</source>
        <translation>Salvarli prima di chiudere?</translation>
    </message>
    <message>
        <source>Página anterior</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Página siguiente</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Referencia: archivo</source>
        <translation>Riferimento: file</translation>
    </message>
    <message>
        <source>Traducir: archivo</source>
        <translation>Traduci: file</translation>
    </message>
    <message>
        <source>Referencia: %1</source>
        <translation>Riferimento: %1</translation>
    </message>
    <message>
        <source>Traducir: %1</source>
        <translation>Traduci: %1</translation>
    </message>
    <message>
        <source>1 día</source>
        <translation>1 giorno</translation>
    </message>
    <message>
        <source>%1 días</source>
        <translation>%1 giorni</translation>
    </message>
    <message>
        <source>Guardado: %1</source>
        <translation>Salvato: %1</translation>
    </message>
    <message>
        <source>Este texto tiene %1 caracteres; la casilla muestra el principio. Se guarda entero mientras no lo cambie.</source>
        <translation>Questo testo ha %1 caratteri; la casella ne mostra l&apos;inizio. Viene salvato intero finché non lo modifica.</translation>
    </message>
    <message>
        <source>%1 ya existe.
¿Quiere reemplazarlo?</source>
        <translation>%1 esiste già.
Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>No se pudo crear la nueva cuenta atrás en
%1

%2</source>
        <translation>Impossibile creare il nuovo conto alla rovescia in
%1

%2</translation>
    </message>
    <message>
        <source>¿Quitar esta cuenta atrás? Su ventana se cierra y sus ajustes se borran; no volverá a abrirse.</source>
        <translation>Rimuovere questo conto alla rovescia? La sua finestra si chiude e le sue impostazioni vengono cancellate; non si riaprirà più.</translation>
    </message>
    <message>
        <source>No se pudo borrar
%1

%2</source>
        <translation>Impossibile eliminare
%1

%2</translation>
    </message>
    <message>
        <source>Cerrar esta cuenta atrás</source>
        <translation>Chiudi questo conto alla rovescia</translation>
    </message>
</context>
<context>
    <name>FrmOpc</name>
    <message>
        <source>Fecha obsoleta.</source>
        <translation>Data superata.</translation>
    </message>
    <message>
        <source>La fecha seleccionada (%1) para el último
evento es muy antigua. Se reinicirá a la fecha actual.</source>
        <translation>La data scelta (%1) per l&apos;ultimo
evento è troppo vecchia. Sarà riportata alla data di oggi.</translation>
    </message>
    <message>
        <source>No se pudieron guardar las opciones en
%1

%2

Las opciones siguen abiertas con sus cambios.</source>
        <translation>Non è stato possibile salvare le opzioni in
%1

%2

Le opzioni restano aperte con le modifiche.</translation>
    </message>
</context>
<context>
    <name>Idioma</name>
    <message>
        <source>No se pudo leer el archivo</source>
        <translation>Non è stato possibile leggere il file</translation>
    </message>
    <message>
        <source>No se pudo copiar en %1</source>
        <translation>Non è stato possibile copiare il file in %1</translation>
    </message>
    <message>
        <source>Un nombre que empieza por un punto haría un archivo oculto, y Dexo no lo ofrecería como idioma.</source>
        <translation>Un nome che inizia con un punto creerebbe un file nascosto, e Dexo non lo proporrebbe come lingua.</translation>
    </message>
    <message>
        <source>El nombre del idioma está en blanco.</source>
        <translation>Il nome della lingua è vuoto.</translation>
    </message>
    <message>
        <source>Un nombre de idioma no puede llevar caracteres de control ni ninguno de estos: &lt; &gt; : &quot; / \ | ? *</source>
        <translation>Un nome di lingua non può contenere caratteri di controllo né alcuno di questi: &lt; &gt; : &quot; / \ | ? *</translation>
    </message>
    <message>
        <source>Un nombre de idioma no puede llevar dos puntos seguidos (..).</source>
        <translation>Un nome di lingua non può contenere due punti di seguito (..).</translation>
    </message>
    <message>
        <source>Un nombre de idioma no puede acabar en un punto ni en un espacio.</source>
        <translation>Un nome di lingua non può terminare con un punto né con uno spazio.</translation>
    </message>
    <message>
        <source>Windows reserva el nombre %1 para un dispositivo.</source>
        <translation>Windows riserva il nome %1 a una periferica.</translation>
    </message>
    <message>
        <source>El nombre es demasiado largo para un archivo.</source>
        <translation>Il nome è troppo lungo per un file.</translation>
    </message>
    <message>
        <source>No se puede usar como idioma el archivo
%1

%2</source>
        <translation>Questo file non può essere usato come lingua:
%1

%2</translation>
    </message>
    <message>
        <source>No es un archivo de idioma: su nombre no acaba en .dxl.</source>
        <translation>Non è un file di lingua: il suo nome non termina con .dxl.</translation>
    </message>
    <message>
        <source>No es un archivo de idioma de Dexo: le falta el texto [%1] %2.</source>
        <translation>Non è un file di lingua di Dexo: manca il testo [%1] %2.</translation>
    </message>
    <message>
        <source>Ya hay otro idioma %1 en
%2

¿Reemplazarlo por el archivo elegido?</source>
        <translation>C&apos;è già un&apos;altra lingua %1 in
%2

Sostituirla con il file scelto?</translation>
    </message>
</context>
<context>
    <name>InicioSistema</name>
    <message>
        <source>Windows no permitió escribir el valor &quot;%1&quot; en la clave Run del registro.</source>
        <translation>Windows non ha permesso di scrivere il valore &quot;%1&quot; nella chiave Run del registro.</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta %1.</source>
        <translation>Non è stato possibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>No se pudo escribir %1: %2</source>
        <translation>Non è stato possibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>LineaOrdenes</name>
    <message>
        <source>Dexo: no se sabe en qué carpeta está el programa.
</source>
        <translation>Dexo: non si sa in quale cartella si trova il programma.
</translation>
    </message>
    <message>
        <source>Dexo: opción desconocida: %1
</source>
        <translation>Dexo: opzione sconosciuta: %1
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
        <translation>Uso: dexo [opzione]
Senza opzioni apre la finestra del conto alla rovescia.

  --days     scrive i giorni che mancano, come li mostra la finestra, e termina
  --days --all  lo stesso per ogni conto alla rovescia, uno per riga: i giorni,
             una tabulazione e la descrizione dell&apos;evento
  --version  scrive il nome e la versione del programma
  --help     mostra questo aiuto

Accetta anche le opzioni di Qt, come -platform xcb.
</translation>
    </message>
</context>
<context>
    <name>MenuPrincipal</name>
    <message>
        <source>Nueva cuenta atrás...</source>
        <translation>Nuovo conto alla rovescia...</translation>
    </message>
    <message>
        <source>Quitar esta cuenta atrás...</source>
        <translation>Rimuovi questo conto alla rovescia...</translation>
    </message>
</context>
<context>
    <name>ModGral</name>
    <message>
        <source>El sistema no permitió escribir el archivo.</source>
        <translation>Il sistema non ha permesso di scrivere il file.</translation>
    </message>
    <message>
        <source>No se pudieron guardar los ajustes en
%1

%2

Dexo seguirá funcionando con los valores actuales, pero los cambios se perderán al cerrarlo.</source>
        <translation>Non è stato possibile salvare le impostazioni in
%1

%2

Dexo continuerà a funzionare con i valori attuali, ma le modifiche andranno perse alla chiusura.</translation>
    </message>
</context>
<context>
    <name>PanelAviso</name>
    <message>
        <source>Ninguno</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Icono %1</source>
        <translation>Icona %1</translation>
    </message>
    <message>
        <source>Imagen propia</source>
        <translation>Immagine propria</translation>
    </message>
</context>
<context>
    <name>Perfil</name>
    <message>
        <source>En el lugar del archivo hay una carpeta.</source>
        <translation>Al posto del file c&apos;è una cartella.</translation>
    </message>
    <message>
        <source>No es un archivo normal, sino un dispositivo, una tubería o un socket.</source>
        <translation>Non è un file normale, ma un dispositivo, una pipe o un socket.</translation>
    </message>
    <message>
        <source>El archivo mide más de 256 MiB: no es un archivo de ajustes.</source>
        <translation>Il file supera i 256 MiB: non è un file di impostazioni.</translation>
    </message>
    <message>
        <source>No se pudo abrir el archivo</source>
        <translation>Non è stato possibile aprire il file</translation>
    </message>
    <message>
        <source>No se pudo leer el archivo</source>
        <translation>Non è stato possibile leggere il file</translation>
    </message>
    <message>
        <source>No se pudo crear un archivo nuevo en su carpeta</source>
        <translation>Non è stato possibile creare un nuovo file nella sua cartella</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo</source>
        <translation>Non è stato possibile scrivere il file</translation>
    </message>
    <message>
        <source>No se pudo guardar el archivo</source>
        <translation>Non è stato possibile salvare il file</translation>
    </message>
    <message>
        <source>El nombre de la sección contiene un salto de línea.</source>
        <translation>Il nome della sezione contiene un a capo.</translation>
    </message>
    <message>
        <source>El nombre de la clave contiene un salto de línea.</source>
        <translation>Il nome della chiave contiene un a capo.</translation>
    </message>
    <message>
        <source>El archivo es de solo lectura.</source>
        <translation>Il file è di sola lettura.</translation>
    </message>
    <message>
        <source>El valor de [%1] %2 contiene un salto de línea.</source>
        <translation>Il valore di [%1] %2 contiene un a capo.</translation>
    </message>
</context>
<context>
    <name>PlataformaQt</name>
    <message>
        <source>Guardar</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>No guardar</source>
        <translation>Non salvare</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Torna indietro</translation>
    </message>
</context>
<context>
    <name>SelectorFecha</name>
    <message>
        <source>Enero</source>
        <translation>Gennaio</translation>
    </message>
    <message>
        <source>Febrero</source>
        <translation>Febbraio</translation>
    </message>
    <message>
        <source>Marzo</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>Abril</source>
        <translation>Aprile</translation>
    </message>
    <message>
        <source>Mayo</source>
        <translation>Maggio</translation>
    </message>
    <message>
        <source>Junio</source>
        <translation>Giugno</translation>
    </message>
    <message>
        <source>Julio</source>
        <translation>Luglio</translation>
    </message>
    <message>
        <source>Agosto</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>Septiembre</source>
        <translation>Settembre</translation>
    </message>
    <message>
        <source>Octubre</source>
        <translation>Ottobre</translation>
    </message>
    <message>
        <source>Noviembre</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>Diciembre</source>
        <translation>Dicembre</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Mes</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Cada año</source>
        <translation>Ogni anno</translation>
    </message>
</context>
</TS>
