#include "VoucherFixture.h"

#include "base/FormModel.h"
#include "base/WindowNames.h"
#include "reports/ReportSheet.h"
#include "reports/ReportSheetControls.h"
#include "storage/Table.h"
#include "vouchers/TransferSheetControls.h"

#include <QDir>
#include <QFile>

namespace velkor::test {

void VoucherFixture::SetUp() {
    m_home = std::make_unique<TempHome>();
    m_home->addCompany(QStringLiteral("VKR"), QStringLiteral("ÖRNEK SANAYİ VE TİCARET A.Ş."));
    m_sheet = std::make_unique<TransferSheet>(m_home->context());
    m_sheet->setOpener({});
}

void VoucherFixture::insert(const RowValues& values) {
    Table table(m_home->context().company(), QStringLiteral("sabit_kiymet"));
    table.open();
    table.append();
    for (const auto& [column, value] : values)
        table.setValue(column, value);
    table.post();
}

void VoucherFixture::fillCompany() {
    FixedAssetInput machine;
    machine.sub = "01";
    machine.name = "CNC TORNA TEZGAHI";
    machine.value = 120000;
    machine.accumulated = 48000;
    machine.entryIndex = 1234.56;
    machine.accountIndex = 2915.02;
    RowValues row = fixedAssetRow(machine);
    row["ROFM_Faiz"] = 5000.0;
    insert(row);

    // Without depreciation, and with its own depreciation account.
    machine.sub = "02";
    machine.name = "KAYNAK MAKİNASI";
    machine.value = 40000;
    machine.accumulated = 0;
    machine.entryIndex = 2000;
    insert(fixedAssetRow(machine));
    machine.sub = "03";
    machine.name = "PRES";
    machine.value = 10000;
    machine.accumulated = 2000;
    row = fixedAssetRow(machine);
    row["amortisman_kodu"] = QStringLiteral("257.03");
    insert(row);

    FixedAssetInput car;
    car.account = "254";
    car.sub = "01";
    car.name = "BİNEK OTO";
    car.value = 30000;
    car.accumulated = 12000;
    car.entryIndex = 1800;
    car.accountIndex = 2915.02;
    insert(fixedAssetRow(car));

    FixedAssetInput right;
    right.account = "260";
    right.sub = "01";
    right.name = "YAZILIM LİSANSI";
    right.value = 10000;
    right.accumulated = 4000;
    right.entryIndex = 1500;
    right.accountIndex = 2915.02;
    insert(fixedAssetRow(right));

    insert(stockRow("153", "01", "TİCARİ MALLAR", 25000, 2500, 2915.02));
    insert(stockRow("171", "05", "YILLARA YAYGIN İNŞAAT", 8000, 2000, 2915.02));
    insert(stockRow("350", "02", "HAKEDİŞ BEDELLERİ", 6000, 2000, 2915.02));
    insert(equityRow("500", "01", "SERMAYE", 50000, 1000, 2915.02, "Nakti"));
    row = equityRow("500", "02", "SERMAYE ARTIRIMI", 20000, 2915.02, 2915.02, "522");
    row["Enflasyon_Farki"] = 20000.0;
    insert(row);
    insert(equityRow("540", "01", "YASAL YEDEKLER", 3000, 2000, 2915.02, "Nakti"));
    insert(equityRow("570", "01", "GEÇMİŞ YILLAR KARLARI", 15000, 2000, 2915.02, "Nakti"));

    FormModel form(windows::kWorkspace);
    ReportSheet reports(form, m_home->context().company());
    form.click(ctl::report::RaporListeButton);
}

VoucherSave VoucherFixture::press(const QString& button, const QString& file) {
    m_home->prompt().addFile(file);
    namespace c = ctl::transfer;
    if (button == c::LucaTransferFisiBut)
        return m_sheet->LucaTransferFisiButClick();
    if (button == c::MikroTransferFisiBut)
        return m_sheet->MikroTransferFisiButClick();
    if (button == c::NetsisTransferFisiBut)
        return m_sheet->NetsisTransferFisiButClick();
    if (button == c::LogoXMLBut)
        return m_sheet->LogoXMLButClick();
    return m_sheet->SentezExcelButtonClick();
}

QByteArray VoucherFixture::bytesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString VoucherFixture::path(const QString& name) const {
    return m_home->home() + name;
}

void VoucherFixture::expectGolden(const QByteArray& actual, const QString& goldenName) {
    const QByteArray golden = bytesOf(QStringLiteral(VELKOR_VOUCHER_GOLDEN) + QLatin1Char('/') + goldenName);
    EXPECT_EQ(actual, golden) << "golden " << goldenName.toStdString();
    if (actual != golden) {
        QFile out((QDir::tempPath() + QStringLiteral("/velkor-voucher-actual-") + goldenName));
        if (out.open(QIODevice::WriteOnly))
            out.write(actual);
    }
}

} // namespace velkor::test
