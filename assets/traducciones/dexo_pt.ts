<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="es">
<context>
    <name>AccionInicioSistema</name>
    <message>
        <source>No se pudo hacer que Dexo se abra al iniciar el sistema.

%1</source>
        <translation>Não foi possível fazer o Dexo abrir ao iniciar o sistema.

%1</translation>
    </message>
</context>
<context>
    <name>ArchivoSistema</name>
    <message>
        <source>permiso denegado</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>el disco o la carpeta son de solo lectura</source>
        <translation>o disco ou a pasta são somente leitura</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>não há mais espaço no disco</translation>
    </message>
    <message>
        <source>se ha agotado la cuota de disco del usuario</source>
        <translation>a cota de disco do usuário se esgotou</translation>
    </message>
    <message>
        <source>el archivo supera el tamaño que el sistema permite</source>
        <translation>o arquivo excede o tamanho que o sistema permite</translation>
    </message>
    <message>
        <source>la carpeta o el archivo no existen</source>
        <translation>a pasta ou o arquivo não existem</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>uma parte do caminho não é uma pasta</translation>
    </message>
    <message>
        <source>es una carpeta</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>la ruta es demasiado larga</source>
        <translation>o caminho é longo demais</translation>
    </message>
    <message>
        <source>hay un ciclo de enlaces simbólicos en la ruta</source>
        <translation>há um ciclo de links simbólicos no caminho</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>erro de leitura ou gravação no disco</translation>
    </message>
    <message>
        <source>hay demasiados archivos abiertos</source>
        <translation>há arquivos abertos demais</translation>
    </message>
    <message>
        <source>el archivo está en uso</source>
        <translation>o arquivo está em uso</translation>
    </message>
</context>
<context>
    <name>BarrasTransparencia</name>
    <message>
        <source>Transparencia %1 %</source>
        <translation>Transparência %1 %</translation>
    </message>
</context>
<context>
    <name>DlgFuenteColor</name>
    <message>
        <source>Fuente de letra, tamaño y color</source>
        <translation>Fonte, tamanho e cor</translation>
    </message>
    <message>
        <source>&amp;Negrita</source>
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source>&amp;Cursiva</source>
        <translation>&amp;Itálico</translation>
    </message>
    <message>
        <source>&amp;Subrayada</source>
        <translation>&amp;Sublinhado</translation>
    </message>
    <message>
        <source>&amp;Tachada</source>
        <translation>&amp;Tachado</translation>
    </message>
    <message>
        <source>C&amp;olor...</source>
        <translation>C&amp;or...</translation>
    </message>
    <message>
        <source>&amp;Fuente:</source>
        <translation>&amp;Fonte:</translation>
    </message>
    <message>
        <source>T&amp;amaño:</source>
        <translation>T&amp;amanho:</translation>
    </message>
    <message>
        <source>Estilo:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Muestra:</source>
        <translation>Amostra:</translation>
    </message>
    <message>
        <source>Color de la letra</source>
        <translation>Cor da letra</translation>
    </message>
</context>
<context>
    <name>FrmInfo</name>
    <message>
        <source>Continuar...</source>
        <translation>Continuar...</translation>
    </message>
    <message>
        <source>Abrir %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>Mostrar ayuda...</source>
        <translation>Mostrar a ajuda...</translation>
    </message>
    <message>
        <source>Mostrar esta información al inicio del programa</source>
        <translation>Mostrar estas informações ao iniciar o programa</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>¿Guardarlos antes de cargar otro idioma?</source>
        <translation>Salvá-los antes de carregar outro idioma?</translation>
    </message>
    <message>
        <source>Hay textos que no se han guardado.</source>
        <translation>Há textos que não foram salvos.</translation>
    </message>
    <message>
        <source>No se pudo guardar el idioma en
%1</source>
        <translation>Não foi possível salvar o idioma em
%1</translation>
    </message>
    <message>
        <source>¿Guardarlos antes de cerrar?</source>
        <translation>Salvá-los antes de fechar?</translation>
    </message>
    <message>
        <source>Página anterior</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Página siguiente</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Referencia: archivo</source>
        <translation>Referência: arquivo</translation>
    </message>
    <message>
        <source>Traducir: archivo</source>
        <translation>Traduzir: arquivo</translation>
    </message>
    <message>
        <source>Referencia: %1</source>
        <translation>Referência: %1</translation>
    </message>
    <message>
        <source>Traducir: %1</source>
        <translation>Traduzir: %1</translation>
    </message>
    <message>
        <source>1 día</source>
        <translation>1 dia</translation>
    </message>
    <message>
        <source>%1 días</source>
        <translation>%1 dias</translation>
    </message>
    <message>
        <source>Guardado: %1</source>
        <translation>Salvo: %1</translation>
    </message>
    <message>
        <source>Este texto tiene %1 caracteres; la casilla muestra el principio. Se guarda entero mientras no lo cambie.</source>
        <translation>Este texto tem %1 caracteres; a caixa mostra o começo. Ele é salvo inteiro enquanto você não o alterar.</translation>
    </message>
    <message>
        <source>%1 ya existe.
¿Quiere reemplazarlo?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>No se pudo crear la nueva cuenta atrás en
%1

%2</source>
        <translation>Não foi possível criar a nova contagem regressiva em
%1

%2</translation>
    </message>
    <message>
        <source>¿Quitar esta cuenta atrás? Su ventana se cierra y sus ajustes se borran; no volverá a abrirse.</source>
        <translation>Remover esta contagem regressiva? A janela dela se fecha e os ajustes dela são apagados; ela não abrirá de novo.</translation>
    </message>
    <message>
        <source>No se pudo borrar
%1

%2</source>
        <translation>Não foi possível apagar
%1

%2</translation>
    </message>
    <message>
        <source>Cerrar esta cuenta atrás</source>
        <translation>Fechar esta contagem regressiva</translation>
    </message>
</context>
<context>
    <name>FrmOpc</name>
    <message>
        <source>Fecha obsoleta.</source>
        <translation>Data vencida.</translation>
    </message>
    <message>
        <source>La fecha seleccionada (%1) para el último
evento es muy antigua. Se reinicirá a la fecha actual.</source>
        <translation>A data escolhida (%1) para o último
evento é muito antiga. Ela voltará para a data de hoje.</translation>
    </message>
    <message>
        <source>No se pudieron guardar las opciones en
%1

%2

Las opciones siguen abiertas con sus cambios.</source>
        <translation>Não foi possível salvar as opções em
%1

%2

As opções continuam abertas com as suas alterações.</translation>
    </message>
</context>
<context>
    <name>Idioma</name>
    <message>
        <source>No se pudo leer el archivo</source>
        <translation>Não foi possível ler o arquivo</translation>
    </message>
    <message>
        <source>No se pudo copiar en %1</source>
        <translation>Não foi possível copiar o arquivo para %1</translation>
    </message>
    <message>
        <source>Un nombre que empieza por un punto haría un archivo oculto, y Dexo no lo ofrecería como idioma.</source>
        <translation>Um nome que começa com um ponto criaria um arquivo oculto, e o Dexo não o ofereceria como idioma.</translation>
    </message>
    <message>
        <source>El nombre del idioma está en blanco.</source>
        <translation>O nome do idioma está em branco.</translation>
    </message>
    <message>
        <source>Un nombre de idioma no puede llevar caracteres de control ni ninguno de estos: &lt; &gt; : &quot; / \ | ? *</source>
        <translation>Um nome de idioma não pode conter caracteres de controle nem nenhum destes: &lt; &gt; : &quot; / \ | ? *</translation>
    </message>
    <message>
        <source>Un nombre de idioma no puede llevar dos puntos seguidos (..).</source>
        <translation>Um nome de idioma não pode conter dois pontos seguidos (..).</translation>
    </message>
    <message>
        <source>Un nombre de idioma no puede acabar en un punto ni en un espacio.</source>
        <translation>Um nome de idioma não pode terminar em ponto nem em espaço.</translation>
    </message>
    <message>
        <source>Windows reserva el nombre %1 para un dispositivo.</source>
        <translation>O Windows reserva o nome %1 para um dispositivo.</translation>
    </message>
    <message>
        <source>El nombre es demasiado largo para un archivo.</source>
        <translation>O nome é longo demais para um arquivo.</translation>
    </message>
    <message>
        <source>No se puede usar como idioma el archivo
%1

%2</source>
        <translation>Este arquivo não pode ser usado como idioma:
%1

%2</translation>
    </message>
    <message>
        <source>No es un archivo de idioma: su nombre no acaba en .dxl.</source>
        <translation>Não é um arquivo de idioma: o nome não termina em .dxl.</translation>
    </message>
    <message>
        <source>No es un archivo de idioma de Dexo: le falta el texto [%1] %2.</source>
        <translation>Não é um arquivo de idioma do Dexo: falta o texto [%1] %2.</translation>
    </message>
    <message>
        <source>Ya hay otro idioma %1 en
%2

¿Reemplazarlo por el archivo elegido?</source>
        <translation>Já existe outro idioma %1 em
%2

Substituí-lo pelo arquivo escolhido?</translation>
    </message>
</context>
<context>
    <name>InicioSistema</name>
    <message>
        <source>Windows no permitió escribir el valor &quot;%1&quot; en la clave Run del registro.</source>
        <translation>O Windows não permitiu gravar o valor &quot;%1&quot; na chave Run do registro.</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta %1.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>No se pudo escribir %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>LineaOrdenes</name>
    <message>
        <source>Dexo: no se sabe en qué carpeta está el programa.
</source>
        <translation>Dexo: não se sabe em que pasta está o programa.
</translation>
    </message>
    <message>
        <source>Dexo: opción desconocida: %1
</source>
        <translation>Dexo: opção desconhecida: %1
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
        <translation>Uso: dexo [opção]
Sem opções, abre a janela da contagem regressiva.

  --days     escreve os dias que faltam, como a janela os mostra, e termina
  --days --all  o mesmo para cada contagem regressiva, uma por linha: os dias,
             uma tabulação e a descrição do evento
  --version  escreve o nome e a versão do programa
  --help     mostra esta ajuda

Também aceita as opções do Qt, como -platform xcb.
</translation>
    </message>
</context>
<context>
    <name>MenuPrincipal</name>
    <message>
        <source>Nueva cuenta atrás...</source>
        <translation>Nova contagem regressiva...</translation>
    </message>
    <message>
        <source>Quitar esta cuenta atrás...</source>
        <translation>Remover esta contagem regressiva...</translation>
    </message>
</context>
<context>
    <name>ModGral</name>
    <message>
        <source>El sistema no permitió escribir el archivo.</source>
        <translation>O sistema não permitiu gravar o arquivo.</translation>
    </message>
    <message>
        <source>No se pudieron guardar los ajustes en
%1

%2

Dexo seguirá funcionando con los valores actuales, pero los cambios se perderán al cerrarlo.</source>
        <translation>Não foi possível salvar as configurações em
%1

%2

O Dexo continuará funcionando com os valores atuais, mas as alterações serão perdidas ao fechá-lo.</translation>
    </message>
</context>
<context>
    <name>PanelAviso</name>
    <message>
        <source>Ninguno</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Icono %1</source>
        <translation>Ícone %1</translation>
    </message>
    <message>
        <source>Imagen propia</source>
        <translation>Imagem própria</translation>
    </message>
</context>
<context>
    <name>Perfil</name>
    <message>
        <source>En el lugar del archivo hay una carpeta.</source>
        <translation>No lugar do arquivo há uma pasta.</translation>
    </message>
    <message>
        <source>No es un archivo normal, sino un dispositivo, una tubería o un socket.</source>
        <translation>Não é um arquivo comum, e sim um dispositivo, um pipe ou um socket.</translation>
    </message>
    <message>
        <source>El archivo mide más de 256 MiB: no es un archivo de ajustes.</source>
        <translation>O arquivo tem mais de 256 MiB: não é um arquivo de configurações.</translation>
    </message>
    <message>
        <source>No se pudo abrir el archivo</source>
        <translation>Não foi possível abrir o arquivo</translation>
    </message>
    <message>
        <source>No se pudo leer el archivo</source>
        <translation>Não foi possível ler o arquivo</translation>
    </message>
    <message>
        <source>No se pudo crear un archivo nuevo en su carpeta</source>
        <translation>Não foi possível criar um arquivo novo na sua pasta</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo</source>
        <translation>Não foi possível gravar o arquivo</translation>
    </message>
    <message>
        <source>No se pudo guardar el archivo</source>
        <translation>Não foi possível salvar o arquivo</translation>
    </message>
    <message>
        <source>El nombre de la sección contiene un salto de línea.</source>
        <translation>O nome da seção contém uma quebra de linha.</translation>
    </message>
    <message>
        <source>El nombre de la clave contiene un salto de línea.</source>
        <translation>O nome da chave contém uma quebra de linha.</translation>
    </message>
    <message>
        <source>El archivo es de solo lectura.</source>
        <translation>O arquivo é somente leitura.</translation>
    </message>
    <message>
        <source>El valor de [%1] %2 contiene un salto de línea.</source>
        <translation>O valor de [%1] %2 contém uma quebra de linha.</translation>
    </message>
</context>
<context>
    <name>PlataformaQt</name>
    <message>
        <source>Guardar</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>No guardar</source>
        <translation>Não salvar</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>SelectorFecha</name>
    <message>
        <source>Enero</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>Febrero</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>Marzo</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>Abril</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>Mayo</source>
        <translation>Maio</translation>
    </message>
    <message>
        <source>Junio</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>Julio</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>Agosto</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>Septiembre</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>Octubre</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>Noviembre</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>Diciembre</source>
        <translation>Dezembro</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Mes</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Cada año</source>
        <translation>Todo ano</translation>
    </message>
</context>
</TS>
