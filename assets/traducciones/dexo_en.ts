<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>AccionInicioSistema</name>
    <message>
        <source>No se pudo hacer que Dexo se abra al iniciar el sistema.

%1</source>
        <translation>Dexo could not be set to open when the system starts.

%1</translation>
    </message>
</context>
<context>
    <name>ArchivoSistema</name>
    <message>
        <source>permiso denegado</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>el disco o la carpeta son de solo lectura</source>
        <translation>the disk or the folder is read-only</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>there is no space left on the disk</translation>
    </message>
    <message>
        <source>se ha agotado la cuota de disco del usuario</source>
        <translation>the user&apos;s disk quota is used up</translation>
    </message>
    <message>
        <source>el archivo supera el tamaño que el sistema permite</source>
        <translation>the file is larger than the system allows</translation>
    </message>
    <message>
        <source>la carpeta o el archivo no existen</source>
        <translation>the folder or the file does not exist</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>es una carpeta</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>la ruta es demasiado larga</source>
        <translation>the path is too long</translation>
    </message>
    <message>
        <source>hay un ciclo de enlaces simbólicos en la ruta</source>
        <translation>there is a loop of symbolic links in the path</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>read or write error on the disk</translation>
    </message>
    <message>
        <source>hay demasiados archivos abiertos</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>el archivo está en uso</source>
        <translation>the file is in use</translation>
    </message>
</context>
<context>
    <name>BarrasTransparencia</name>
    <message>
        <source>Transparencia %1 %</source>
        <translation>Transparency %1 %</translation>
    </message>
</context>
<context>
    <name>DlgFuenteColor</name>
    <message>
        <source>Fuente de letra, tamaño y color</source>
        <translation>Font, size and colour</translation>
    </message>
    <message>
        <source>&amp;Negrita</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <source>&amp;Cursiva</source>
        <translation>&amp;Italic</translation>
    </message>
    <message>
        <source>&amp;Subrayada</source>
        <translation>&amp;Underline</translation>
    </message>
    <message>
        <source>&amp;Tachada</source>
        <translation>Stri&amp;kethrough</translation>
    </message>
    <message>
        <source>C&amp;olor...</source>
        <translation>C&amp;olour...</translation>
    </message>
    <message>
        <source>&amp;Fuente:</source>
        <translation>&amp;Font:</translation>
    </message>
    <message>
        <source>T&amp;amaño:</source>
        <translation>&amp;Size:</translation>
    </message>
    <message>
        <source>Estilo:</source>
        <translation>Style:</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Muestra:</source>
        <translation>Sample:</translation>
    </message>
    <message>
        <source>Color de la letra</source>
        <translation>Text colour</translation>
    </message>
</context>
<context>
    <name>FrmInfo</name>
    <message>
        <source>Continuar...</source>
        <translation>Continue...</translation>
    </message>
    <message>
        <source>Abrir %1</source>
        <translation>Open %1</translation>
    </message>
    <message>
        <source>Mostrar ayuda...</source>
        <translation>Show help...</translation>
    </message>
    <message>
        <source>Mostrar esta información al inicio del programa</source>
        <translation>Show this information when the program starts</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>¿Guardarlos antes de cargar otro idioma?</source>
        <translation>Save them before loading another language?</translation>
    </message>
    <message>
        <source>Hay textos que no se han guardado.</source>
        <translation>Some texts have not been saved.</translation>
    </message>
    <message>
        <source>No se pudo guardar el idioma en
%1</source>
        <translation>The language could not be saved in
%1</translation>
    </message>
    <message>
        <source>¿Guardarlos antes de cerrar?</source>
        <translation>Save them before closing?</translation>
    </message>
    <message>
        <source>Página anterior</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Página siguiente</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Referencia: archivo</source>
        <translation>Reference: file</translation>
    </message>
    <message>
        <source>Traducir: archivo</source>
        <translation>Translate: file</translation>
    </message>
    <message>
        <source>Referencia: %1</source>
        <translation>Reference: %1</translation>
    </message>
    <message>
        <source>Traducir: %1</source>
        <translation>Translate: %1</translation>
    </message>
    <message>
        <source>1 día</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>%1 días</source>
        <translation>%1 days</translation>
    </message>
    <message>
        <source>Guardado: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Este texto tiene %1 caracteres; la casilla muestra el principio. Se guarda entero mientras no lo cambie.</source>
        <translation>This text has %1 characters; the box shows its beginning. It is saved whole as long as you do not change it.</translation>
    </message>
    <message>
        <source>%1 ya existe.
¿Quiere reemplazarlo?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>No se pudo crear la nueva cuenta atrás en
%1

%2</source>
        <translation>The new countdown could not be created in
%1

%2</translation>
    </message>
    <message>
        <source>¿Quitar esta cuenta atrás? Su ventana se cierra y sus ajustes se borran; no volverá a abrirse.</source>
        <translation>Remove this countdown? Its window closes and its settings are deleted; it will not open again.</translation>
    </message>
    <message>
        <source>No se pudo borrar
%1

%2</source>
        <translation>Could not delete
%1

%2</translation>
    </message>
    <message>
        <source>Cerrar esta cuenta atrás</source>
        <translation>Close this countdown</translation>
    </message>
</context>
<context>
    <name>FrmOpc</name>
    <message>
        <source>Fecha obsoleta.</source>
        <translation>Date out of date.</translation>
    </message>
    <message>
        <source>La fecha seleccionada (%1) para el último
evento es muy antigua. Se reinicirá a la fecha actual.</source>
        <translation>The date chosen (%1) for the last
event is too old. It will be reset to today&apos;s date.</translation>
    </message>
    <message>
        <source>No se pudieron guardar las opciones en
%1

%2

Las opciones siguen abiertas con sus cambios.</source>
        <translation>The options could not be saved in
%1

%2

The options stay open with your changes.</translation>
    </message>
</context>
<context>
    <name>Idioma</name>
    <message>
        <source>No se pudo leer el archivo</source>
        <translation>The file could not be read</translation>
    </message>
    <message>
        <source>No se pudo copiar en %1</source>
        <translation>The file could not be copied to %1</translation>
    </message>
    <message>
        <source>Un nombre que empieza por un punto haría un archivo oculto, y Dexo no lo ofrecería como idioma.</source>
        <translation>A name that begins with a dot would make a hidden file, and Dexo would not offer it as a language.</translation>
    </message>
    <message>
        <source>El nombre del idioma está en blanco.</source>
        <translation>The language&apos;s name is blank.</translation>
    </message>
    <message>
        <source>Un nombre de idioma no puede llevar caracteres de control ni ninguno de estos: &lt; &gt; : &quot; / \ | ? *</source>
        <translation>A language name cannot hold control characters or any of these: &lt; &gt; : &quot; / \ | ? *</translation>
    </message>
    <message>
        <source>Un nombre de idioma no puede llevar dos puntos seguidos (..).</source>
        <translation>A language name cannot hold two dots in a row (..).</translation>
    </message>
    <message>
        <source>Un nombre de idioma no puede acabar en un punto ni en un espacio.</source>
        <translation>A language name cannot end in a dot or a space.</translation>
    </message>
    <message>
        <source>Windows reserva el nombre %1 para un dispositivo.</source>
        <translation>Windows keeps the name %1 for a device.</translation>
    </message>
    <message>
        <source>El nombre es demasiado largo para un archivo.</source>
        <translation>The name is too long for a file.</translation>
    </message>
    <message>
        <source>No se puede usar como idioma el archivo
%1

%2</source>
        <translation>This file cannot be used as a language:
%1

%2</translation>
    </message>
    <message>
        <source>No es un archivo de idioma: su nombre no acaba en .dxl.</source>
        <translation>This is not a language file: its name does not end in .dxl.</translation>
    </message>
    <message>
        <source>No es un archivo de idioma de Dexo: le falta el texto [%1] %2.</source>
        <translation>This is not a language file of Dexo: the text [%1] %2 is missing.</translation>
    </message>
    <message>
        <source>Ya hay otro idioma %1 en
%2

¿Reemplazarlo por el archivo elegido?</source>
        <translation>There is already another language %1 in
%2

Replace it with the chosen file?</translation>
    </message>
</context>
<context>
    <name>InicioSistema</name>
    <message>
        <source>Windows no permitió escribir el valor &quot;%1&quot; en la clave Run del registro.</source>
        <translation>Windows did not allow writing the value &quot;%1&quot; in the Run key of the registry.</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta %1.</source>
        <translation>The folder %1 could not be created.</translation>
    </message>
    <message>
        <source>No se pudo escribir %1: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
</context>
<context>
    <name>LineaOrdenes</name>
    <message>
        <source>Dexo: no se sabe en qué carpeta está el programa.
</source>
        <translation>Dexo: the folder of the program is not known.
</translation>
    </message>
    <message>
        <source>Dexo: opción desconocida: %1
</source>
        <translation>Dexo: unknown option: %1
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
        <translation>Usage: dexo [option]
Without options it opens the countdown window.

  --days     writes the days left, as the window shows them, and ends
  --days --all  the same for each countdown, one per line: the days, a
             tab and the description of the event
  --version  writes the name and the version of the program
  --help     shows this help

It also takes Qt&apos;s options, such as -platform xcb.
</translation>
    </message>
</context>
<context>
    <name>MenuPrincipal</name>
    <message>
        <source>Nueva cuenta atrás...</source>
        <translation>New countdown...</translation>
    </message>
    <message>
        <source>Quitar esta cuenta atrás...</source>
        <translation>Remove this countdown...</translation>
    </message>
</context>
<context>
    <name>ModGral</name>
    <message>
        <source>El sistema no permitió escribir el archivo.</source>
        <translation>The system did not allow writing the file.</translation>
    </message>
    <message>
        <source>No se pudieron guardar los ajustes en
%1

%2

Dexo seguirá funcionando con los valores actuales, pero los cambios se perderán al cerrarlo.</source>
        <translation>The settings could not be saved in
%1

%2

Dexo goes on working with the current values, but the changes will be lost when it closes.</translation>
    </message>
</context>
<context>
    <name>PanelAviso</name>
    <message>
        <source>Ninguno</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Icono %1</source>
        <translation>Icon %1</translation>
    </message>
    <message>
        <source>Imagen propia</source>
        <translation>Own picture</translation>
    </message>
</context>
<context>
    <name>Perfil</name>
    <message>
        <source>En el lugar del archivo hay una carpeta.</source>
        <translation>There is a folder where the file should be.</translation>
    </message>
    <message>
        <source>No es un archivo normal, sino un dispositivo, una tubería o un socket.</source>
        <translation>It is not a regular file but a device, a pipe or a socket.</translation>
    </message>
    <message>
        <source>El archivo mide más de 256 MiB: no es un archivo de ajustes.</source>
        <translation>The file is larger than 256 MiB: it is not a settings file.</translation>
    </message>
    <message>
        <source>No se pudo abrir el archivo</source>
        <translation>The file could not be opened</translation>
    </message>
    <message>
        <source>No se pudo leer el archivo</source>
        <translation>The file could not be read</translation>
    </message>
    <message>
        <source>No se pudo crear un archivo nuevo en su carpeta</source>
        <translation>A new file could not be created in its folder</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo</source>
        <translation>The file could not be written</translation>
    </message>
    <message>
        <source>No se pudo guardar el archivo</source>
        <translation>The file could not be saved</translation>
    </message>
    <message>
        <source>El nombre de la sección contiene un salto de línea.</source>
        <translation>The name of the section holds a line break.</translation>
    </message>
    <message>
        <source>El nombre de la clave contiene un salto de línea.</source>
        <translation>The name of the key holds a line break.</translation>
    </message>
    <message>
        <source>El archivo es de solo lectura.</source>
        <translation>The file is read-only.</translation>
    </message>
    <message>
        <source>El valor de [%1] %2 contiene un salto de línea.</source>
        <translation>The value of [%1] %2 holds a line break.</translation>
    </message>
</context>
<context>
    <name>PlataformaQt</name>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>No guardar</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Go back</translation>
    </message>
</context>
<context>
    <name>SelectorFecha</name>
    <message>
        <source>Enero</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Febrero</source>
        <translation>February</translation>
    </message>
    <message>
        <source>Marzo</source>
        <translation>March</translation>
    </message>
    <message>
        <source>Abril</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mayo</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Junio</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Julio</source>
        <translation>July</translation>
    </message>
    <message>
        <source>Agosto</source>
        <translation>August</translation>
    </message>
    <message>
        <source>Septiembre</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Octubre</source>
        <translation>October</translation>
    </message>
    <message>
        <source>Noviembre</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Diciembre</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Mes</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Cada año</source>
        <translation>Every year</translation>
    </message>
</context>
</TS>
