#pragma once

#include "base/FormModel.h"
#include "spreadsheet/WorkbookHandOver.h"
#include "vouchers/TransferOptions.h"
#include "vouchers/VoucherFiles.h"
#include "vouchers/VoucherLine.h"

#include <vector>

namespace velkor {

class AppContext;

/// The voucher transfer tab "Muh.Fiş Aktarımı" of the workspace: the transfer options
/// under their control names with their start values (kept until the program ends,
/// never stored) and the five buttons, each running one writer over the rows the
/// options select. Nothing here writes to the database.
class TransferSheet : public FormModel {
    Q_OBJECT

public:
    /// The sheet on the context's company connection, prompt and installation folder;
    /// workbooks are opened with the desktop's application.
    explicit TransferSheet(AppContext& context, QObject* parent = nullptr);

    /// How saved workbooks are opened (empty: the saved place is told instead).
    void setOpener(FileOpener opener) { m_opener = std::move(opener); }

    /// The voucher lines the current options give for an accounting program.
    std::vector<VoucherLine> voucherLines(VoucherTarget target) const;

    /// The buttons; each throws what the general error display shows, and the button
    /// handlers show it there.
    VoucherSave LucaTransferFisiButClick();
    VoucherSave MikroTransferFisiButClick();
    VoucherSave NetsisTransferFisiButClick();
    VoucherSave LogoXMLButClick();
    VoucherSave SentezExcelButtonClick();

private:
    VoucherSave handOver(VoucherTarget target, const QString& proposedName);

    AppContext& m_context;
    FileOpener m_opener = openWithDesktop;
};

} // namespace velkor
