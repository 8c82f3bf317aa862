#!/usr/bin/env python3
"""Builds the Windows icons assets/programa/dexo.ico and tradel.ico from the program icons'
SVGs, for the resource files that embed them in Dexo.exe and Tradel.exe.

Each icon holds the sizes Windows asks for (16 to 256 px), every one rendered from the SVG by
rsvg-convert (Debian: librsvg2-bin) and stored as PNG, which Windows reads since Vista; Qt 6
needs Windows 10, so no BMP entries are needed. The .ico files are checked in: the build needs
nothing of this. Run it again after changing an icon's SVG:
    python3 assets/tools/generar_ico.py
"""

import os
import struct
import subprocess
import sys

TAMANOS = (16, 20, 24, 32, 40, 48, 64, 256)
ICONOS = ("dexo", "tradel")


def renderizar(svg, tamano):
    return subprocess.run(
        ["rsvg-convert", "-w", str(tamano), "-h", str(tamano), svg],
        check=True, stdout=subprocess.PIPE).stdout


def ico(imagenes):
    # ICONDIR, then one ICONDIRENTRY per image (a width or height of 256 is written as 0), then
    # the PNG data in the same order.
    cabecera = struct.pack("<HHH", 0, 1, len(imagenes))
    desplazamiento = len(cabecera) + 16 * len(imagenes)
    entradas, datos = b"", b""
    for tamano, png in imagenes:
        lado = 0 if tamano >= 256 else tamano
        entradas += struct.pack("<BBBBHHII", lado, lado, 0, 0, 1, 32, len(png), desplazamiento)
        desplazamiento += len(png)
        datos += png
    return cabecera + entradas + datos


def main():
    carpeta = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "programa")
    for nombre in ICONOS:
        svg = os.path.join(carpeta, nombre + ".svg")
        imagenes = [(t, renderizar(svg, t)) for t in TAMANOS]
        destino = os.path.join(carpeta, nombre + ".ico")
        with open(destino, "wb") as archivo:
            archivo.write(ico(imagenes))
        print("wrote", os.path.normpath(destino))
    return 0


if __name__ == "__main__":
    sys.exit(main())
