#pragma once

class QWidget;

namespace velkor {

class EquitySheet;
class FixedAssetSheet;
class Prompt;
class StockSheet;

/// The tab "Sabit Kıymetler": the fixed-asset sheet's controls, bound to it.
QWidget* buildFixedAssetPage(FixedAssetSheet& sheet, Prompt& prompt, QWidget* parent);
/// The tab "Stok ve Diğer": the stock sheet's controls, bound to it.
QWidget* buildStockPage(StockSheet& sheet, Prompt& prompt, QWidget* parent);
/// The tab "Özkaynaklar": the equity sheet's controls, bound to it.
QWidget* buildEquityPage(EquitySheet& sheet, Prompt& prompt, QWidget* parent);

} // namespace velkor
