#pragma once
// What the start-up checks before the menu shows: one running copy of the
// program per install root, and a sound database whose club figures agree
// with the matches.
#include <QString>
#include <memory>

class QLockFile;

// Holds the install root's lock file ("Golazzo.lock") while it lives. The
// lock is released when the program ends or dies: a lock file left by a
// process that no longer runs is taken over.
class Instancia {
public:
    enum class Estado { Unica, OutraAberta, SemTrava };

    explicit Instancia(const QString& raiz);
    ~Instancia();

    // Unica: this is the only running copy. OutraAberta: another copy holds
    // the root. SemTrava: the lock file could not be written (a read-only
    // root); the program runs on without it.
    Estado estado() const { return m_estado; }

    static QString mensagemOutraAberta();

private:
    std::unique_ptr<QLockFile> m_trava;
    Estado m_estado = Estado::SemTrava;
};

namespace Inicio {

// Opens the program's database (migrating an older file's schema once),
// repairs the figures of every club that disagree with its counted matches,
// and warns when the install root cannot be written. Returns the messages
// for the user, empty when all is well; it never overwrites or deletes a
// file of the user.
QStringList preparaBanco(const QString& raiz);

} // namespace Inicio
