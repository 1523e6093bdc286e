// A home folder inside a test's temporary folder: HOME and XDG_DATA_HOME
// point into it for as long as the object lives, so what the program keeps
// there (the desktop trash above all) is removed with the test's folder and
// never lands in the user's home or the checkout.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <filesystem>
#include <optional>
#include <string>

namespace pictra::test {

class PrivateHome {
public:
    explicit PrivateHome(std::string folder)
        : m_folder(std::move(folder)), m_oldHome(saved("HOME")), m_oldDataHome(saved("XDG_DATA_HOME"))
    {
        // The trash is made only under an existing data folder.
        std::filesystem::create_directories(dataHome());
        qputenv("HOME", QByteArray::fromStdString(m_folder));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dataHome()));
    }
    ~PrivateHome()
    {
        restore("HOME", m_oldHome);
        restore("XDG_DATA_HOME", m_oldDataHome);
    }
    PrivateHome(const PrivateHome&) = delete;
    PrivateHome& operator=(const PrivateHome&) = delete;

    const std::string& path() const { return m_folder; }
    std::string dataHome() const { return m_folder + "/.local/share"; }
    // Where the desktop trash keeps the files moved into it.
    std::string trashedFile(const std::string& name) const { return dataHome() + "/Trash/files/" + name; }

private:
    static std::optional<QByteArray> saved(const char* name)
    {
        return qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name)) : std::nullopt;
    }
    static void restore(const char* name, const std::optional<QByteArray>& value)
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }

    std::string m_folder;
    std::optional<QByteArray> m_oldHome;
    std::optional<QByteArray> m_oldDataHome;
};

} // namespace pictra::test
