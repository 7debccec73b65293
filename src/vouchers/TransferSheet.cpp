#include "vouchers/TransferSheet.h"

#include "base/ErrorReport.h"
#include "base/WindowNames.h"
#include "spreadsheet/XlsxWorkbook.h"
#include "storage/AppContext.h"
#include "vouchers/TransferRow.h"
#include "vouchers/TransferSheetControls.h"
#include "vouchers/VoucherDerivation.h"
#include "vouchers/VoucherWriters.h"

namespace velkor {

namespace c = ctl::transfer;

TransferSheet::TransferSheet(AppContext& context, QObject* parent)
    : FormModel(windows::kWorkspace, parent), m_context(context) {
    addTransferControls(*this);
    const auto guarded = [this](VoucherSave (TransferSheet::*button)()) {
        return [this, button] { runGuarded(m_context.prompt(), [this, button] { (this->*button)(); }); };
    };
    onClick(c::LucaTransferFisiBut, guarded(&TransferSheet::LucaTransferFisiButClick));
    onClick(c::MikroTransferFisiBut, guarded(&TransferSheet::MikroTransferFisiButClick));
    onClick(c::NetsisTransferFisiBut, guarded(&TransferSheet::NetsisTransferFisiButClick));
    onClick(c::LogoXMLBut, guarded(&TransferSheet::LogoXMLButClick));
    onClick(c::SentezExcelButton, guarded(&TransferSheet::SentezExcelButtonClick));
}

std::vector<VoucherLine> TransferSheet::voucherLines(VoucherTarget target) const {
    const TransferOptions options = readTransferOptions(*this);
    return deriveVoucherLines(selectTransferRows(m_context.company(), options.filterText), options, target);
}

VoucherSave TransferSheet::LucaTransferFisiButClick() {
    return saveCsvVoucher(
        m_context.prompt(), m_context.home(), QStringLiteral("FIS_AKTARIM_SABLON LUCA"),
        [this] { return lucaVoucherText(voucherLines(VoucherTarget::Luca), readTransferOptions(*this)); });
}

VoucherSave TransferSheet::MikroTransferFisiButClick() {
    return saveCsvVoucher(
        m_context.prompt(), m_context.home(), QStringLiteral("FIS_AKTARIM_SABLON MIKRO"),
        [this] { return mikroVoucherText(voucherLines(VoucherTarget::Mikro), readTransferOptions(*this)); });
}

VoucherSave TransferSheet::LogoXMLButClick() {
    const TransferOptions options = readTransferOptions(*this);
    const std::vector<TransferRow> rows = selectTransferRows(m_context.company(), options.filterText);
    if (rows.empty()) {
        return {};
    }
    const QString text = logoVoucherText(deriveVoucherLines(rows, options, VoucherTarget::Logo), options);
    return saveLogoVoucher(m_context.prompt(), m_context.home(), text);
}

VoucherSave TransferSheet::NetsisTransferFisiButClick() {
    return handOver(VoucherTarget::Netsis, QStringLiteral("FIS_AKTARIM_SABLON NETSIS"));
}

VoucherSave TransferSheet::SentezExcelButtonClick() {
    return handOver(VoucherTarget::Zirve, QStringLiteral("FIS_AKTARIM_SABLON SENTEZ"));
}

VoucherSave TransferSheet::handOver(VoucherTarget target, const QString& proposedName) {
    const TransferOptions options = readTransferOptions(*this);
    const std::vector<VoucherLine> lines = voucherLines(target);
    XlsxWorkbook book;
    if (target == VoucherTarget::Netsis) {
        writeNetsisVoucher(book, lines, options);
    } else {
        writeFourColumnVoucher(book, lines);
    }
    WorkbookHandOverRequest request;
    request.title = QStringLiteral("Excel Fişi Kaydet");
    request.proposedPath = m_context.home() + proposedName;
    return {handOverWorkbook(book, m_context.prompt(), request, m_opener), 0};
}

} // namespace velkor
