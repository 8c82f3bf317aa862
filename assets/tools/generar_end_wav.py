#!/usr/bin/env python3
"""Synthesises assets/end.wav, the short "goodbye" chime that Dexo plays when it
is closed on the day of the event.

Three soft bell-like notes that step down a major triad (G5, E5, C5). Each note
has a short raised-cosine attack and an exponential decay; the upper partials
die away faster than the fundamental, which is what makes it sound like a small
bell rather than an organ. The whole sound is normalised to a peak of -3 dBFS
and faded to silence at the end, so it never clicks.

Standard library only. Usage:
    python3 generar_end_wav.py [output.wav]
Without an argument the file is written to ../end.wav, beside this folder.
"""

import math
import os
import struct
import sys
import wave

FRECUENCIA_MUESTREO = 22050      # Hz, mono, 16-bit PCM
DURACION = 0.95                  # seconds; must stay under one second
PICO_DBFS = -3.0                 # target peak level
ATAQUE = 0.008                   # seconds of raised-cosine attack per note
FUNDIDO_FINAL = 0.12             # seconds of fade-out at the very end

# (start in seconds, frequency in Hz, relative loudness, decay time constant in s)
NOTAS = (
    (0.00, 783.99, 0.80, 0.16),  # G5
    (0.16, 659.26, 0.85, 0.18),  # E5
    (0.32, 523.25, 1.00, 0.24),  # C5, the last one rings the longest
)

# Partials of one note: (frequency ratio, amplitude, decay factor relative to the
# fundamental). The 2.005 ratio is slightly sharp, which gives a gentle shimmer.
PARCIALES = (
    (1.000, 1.00, 1.0),
    (2.005, 0.35, 0.55),
    (3.000, 0.12, 0.35),
    (4.170, 0.05, 0.25),
)


def envolvente_ataque(t):
    """Raised-cosine rise from 0 to 1 over ATAQUE seconds."""
    if t >= ATAQUE:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * t / ATAQUE)


def sintetizar():
    total = int(DURACION * FRECUENCIA_MUESTREO)
    muestras = [0.0] * total
    for inicio, frecuencia, volumen, tau in NOTAS:
        primera = int(inicio * FRECUENCIA_MUESTREO)
        for n in range(primera, total):
            t = (n - primera) / FRECUENCIA_MUESTREO
            valor = 0.0
            for razon, amplitud, factor in PARCIALES:
                # Partials above the Nyquist limit would fold back as noise.
                if frecuencia * razon >= FRECUENCIA_MUESTREO / 2:
                    continue
                valor += (amplitud * math.exp(-t / (tau * factor))
                          * math.sin(2.0 * math.pi * frecuencia * razon * t))
            muestras[n] += volumen * envolvente_ataque(t) * valor

    # Fade the tail to exact silence so the last sample is zero.
    largo_fundido = int(FUNDIDO_FINAL * FRECUENCIA_MUESTREO)
    for k in range(largo_fundido):
        n = total - largo_fundido + k
        muestras[n] *= 0.5 + 0.5 * math.cos(math.pi * (k + 1) / largo_fundido)

    pico = max(abs(m) for m in muestras)
    escala = 10.0 ** (PICO_DBFS / 20.0) * 32767.0 / pico
    return [int(round(m * escala)) for m in muestras]


def escribir(ruta, muestras):
    with wave.open(ruta, "wb") as archivo:
        archivo.setnchannels(1)
        archivo.setsampwidth(2)
        archivo.setframerate(FRECUENCIA_MUESTREO)
        archivo.writeframes(struct.pack("<%dh" % len(muestras), *muestras))


def main():
    if len(sys.argv) > 1:
        ruta = sys.argv[1]
    else:
        carpeta = os.path.dirname(os.path.abspath(__file__))
        ruta = os.path.join(carpeta, os.pardir, "end.wav")
    muestras = sintetizar()
    escribir(os.path.normpath(ruta), muestras)
    print("%s: %d muestras, %.2f s" % (os.path.normpath(ruta), len(muestras),
                                       len(muestras) / FRECUENCIA_MUESTREO))


if __name__ == "__main__":
    main()
