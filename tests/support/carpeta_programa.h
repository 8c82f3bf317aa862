#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder with helpers to lay down and read back its files byte for byte.
class CarpetaPrograma
{
public:
    CarpetaPrograma() = default;

    bool Valida() const { return dir_.isValid(); }
    // The folder with the native separator at the end, as the program keeps it.
    QString Ruta() const { return QDir::toNativeSeparators(dir_.path()) + QDir::separator(); }
    QString Archivo(const QString &nombre) const { return dir_.filePath(nombre); }
    QString Ini() const { return Archivo(QStringLiteral("Dexo.INI")); }

    void Escribir(const QString &nombre, const QByteArray &contenido) const
    {
        QFile archivo(Archivo(nombre));
        if (archivo.open(QIODevice::WriteOnly))
            archivo.write(contenido);
    }
    void EscribirIni(const QByteArray &contenido) const { Escribir(QStringLiteral("Dexo.INI"), contenido); }

    QByteArray Leer(const QString &nombre) const
    {
        QFile archivo(Archivo(nombre));
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
    }
    QByteArray LeerIni() const { return Leer(QStringLiteral("Dexo.INI")); }
    bool Existe(const QString &nombre) const { return QFile::exists(Archivo(nombre)); }

private:
    QTemporaryDir dir_;
};
