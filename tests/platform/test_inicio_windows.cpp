#include "inicio_sistema.h"

#include <QTest>

#include <windows.h>

// The start-with-the-system value, written for real and read back through the registry the way
// Windows reads it at logon.
class TestInicioWindows : public QObject
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
};

QTEST_GUILESS_MAIN(TestInicioWindows)
#include "test_inicio_windows.moc"
