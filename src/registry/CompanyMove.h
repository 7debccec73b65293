#pragma once

#include "storage/AppContext.h"

#include <QString>

namespace velkor {

/// Where an office keeps a company: on its server, or in a file of this installation.
enum class CompanyPlace { File, Server };

/// Moves a company of an office between a file of the installation (Data/KOD.mdb) and the
/// office server, every row with its id, under the company's exclusive lock. The copy is
/// all-or-nothing on its side and the company's old place is removed only once the copy is
/// complete; the server's list of its companies records where each one lives. Refusals
/// and failures throw ShownError with the Turkish reason.
class CompanyMove {
public:
    explicit CompanyMove(AppContext& context) : m_context(context) {}

    /// Where the registered company `code` lives now; throws ShownError when the
    /// installation has no office server or no such company is registered.
    CompanyPlace place(const QString& code);
    /// The question asked before a move to `to`.
    static QString question(const QString& code, CompanyPlace to);
    /// The message shown once the move is done.
    static QString doneMessage(const QString& code, CompanyPlace to);
    /// Moves the company to `to`.
    void move(const QString& code, CompanyPlace to);

private:
    AppContext& m_context;
};

} // namespace velkor
