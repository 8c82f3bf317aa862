#include "canal_instancia.h"
#include "inicio_sistema.h"
#include "instancia_unica.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

// What Windows gives the platform layer: the start-with-the-system value, written for real and
// read back through the registry the way Windows reads it at logon; the single-instance lock.
class TestPlataformaWindows : public QObject
{
    Q_OBJECT

private:
    static constexpr const wchar_t *kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

    // The value "Dexo" under one root's Run key: its type and text; type 0 when it is not there.
    static std::pair<DWORD, QString> LeerRun(HKEY raiz)
    {
        wchar_t datos[1024] = {};
        DWORD tipo = 0;
        DWORD bytes = sizeof(datos);
        if (RegGetValueW(raiz, kRun, L"Dexo", RRF_RT_ANY | RRF_NOEXPAND, &tipo, datos, &bytes) !=
            ERROR_SUCCESS)
            return {0, {}};
        return {tipo, QString::fromWCharArray(datos)};
    }

private slots:
    void grabarLeerYBorrar_data()
    {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QString>("dato");
        QTest::newRow("Program Files, forward slashes") << "C:/Program Files/Dexo/Dexo"
                                                        << "\"C:\\Program Files\\Dexo\\Dexo.exe\"";
        QTest::newRow("another drive, backslashes, accents") << "D:\\Mis programas\\Dexo ñ\\Dexo"
                                                             << "\"D:\\Mis programas\\Dexo ñ\\Dexo.exe\"";
    }
    void grabarLeerYBorrar()
    {
        QFETCH(QString, programa);
        QFETCH(QString, dato);
        QString error;
        QVERIFY(GrabarInicioSistemaNativo(QStringLiteral("Dexo"), programa, &error));
        QCOMPARE(LeerRun(HKEY_LOCAL_MACHINE), std::make_pair(DWORD(REG_SZ), dato));
        QCOMPARE(LeerRun(HKEY_CURRENT_USER).first, DWORD(0));

        QVERIFY(BorrarInicioSistemaNativo(QStringLiteral("Dexo")));
        QCOMPARE(LeerRun(HKEY_LOCAL_MACHINE).first, DWORD(0));
        // Removing what is not there is no failure.
        QVERIFY(BorrarInicioSistemaNativo(QStringLiteral("Dexo")));
    }

    void claveDeLaMaquinaQueRehusa()
    {
        // The machine's keys are swapped for an empty one of the user's, where the Run key is
        // missing: the machine refuses the write, and the user's Run key takes it.
        HKEY vacia = nullptr;
        QCOMPARE(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\DexoPruebas\\Maquina", 0, nullptr, 0,
                                 KEY_ALL_ACCESS, nullptr, &vacia, nullptr),
                 LONG(ERROR_SUCCESS));
        QCOMPARE(RegOverridePredefKey(HKEY_LOCAL_MACHINE, vacia), LONG(ERROR_SUCCESS));
        QString error;
        const bool grabado =
            GrabarInicioSistemaNativo(QStringLiteral("Dexo"), QStringLiteral("C:\\Dexo\\Dexo"), &error);
        const auto usuario = LeerRun(HKEY_CURRENT_USER);
        const bool borrado = BorrarInicioSistemaNativo(QStringLiteral("Dexo"));
        const auto despues = LeerRun(HKEY_CURRENT_USER);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegCloseKey(vacia);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\DexoPruebas");

        QVERIFY(grabado);
        QCOMPARE(usuario, std::make_pair(DWORD(REG_SZ), QStringLiteral("\"C:\\Dexo\\Dexo.exe\"")));
        QVERIFY(borrado);
        QCOMPARE(despues.first, DWORD(0));
        QCOMPARE(LeerRun(HKEY_LOCAL_MACHINE).first, DWORD(0));
    }

    void cerrojoDeUnaCopiaMuerta()
    {
        // A copy that died left its lock behind, naming a process number that Windows has since
        // given to this very process: Qt alone takes it for a live owner.
        QTemporaryDir programa;
        const QDir cerrojos(CanalInstancia::Carpeta());
        QByteArray contenido;
        QString archivo;
        {
            const InstanciaUnica muerta(QStringLiteral("DexoPrueba"), programa.path());
            QVERIFY(muerta.EsLaPrimera());
            const QStringList lista = cerrojos.entryList({QStringLiteral("DexoPrueba-*.lock")}, QDir::Files);
            QCOMPARE(lista.size(), 1);
            archivo = cerrojos.filePath(lista.front());
            QFile leido(archivo);
            QVERIFY(leido.open(QIODevice::ReadOnly));
            contenido = leido.readAll();
            // Held: a second copy is not the first.
            QVERIFY(!InstanciaUnica(QStringLiteral("DexoPrueba"), programa.path()).EsLaPrimera());
        }
        QFile dejado(archivo);
        QVERIFY(dejado.open(QIODevice::WriteOnly) && dejado.write(contenido) == contenido.size());
        dejado.close();

        const InstanciaUnica nueva(QStringLiteral("DexoPrueba"), programa.path());
        QVERIFY(nueva.EsLaPrimera());
    }
};

QTEST_GUILESS_MAIN(TestPlataformaWindows)
#include "test_plataforma_windows.moc"
