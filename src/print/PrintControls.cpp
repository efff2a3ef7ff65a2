#include "print/PrintControls.h"

#include <algorithm>
#include <cmath>

int PointsOfHeight(int pixelHeight) {
    return static_cast<int>(std::lround(pixelHeight * 72.0 / 96.0));
}

QString TControl::Cell(int col, int row) const {
    if (row < 0 || row >= static_cast<int>(Cells.size()))
        return QString();
    const QStringList& r = Cells[static_cast<std::size_t>(row)];
    return col >= 0 && col < r.size() ? r[col] : QString();
}

void TControl::SetCell(int col, int row, const QString& text) {
    if (col < 0 || row < 0)
        return;
    if (row >= static_cast<int>(Cells.size()))
        Cells.resize(static_cast<std::size_t>(row) + 1);
    QStringList& r = Cells[static_cast<std::size_t>(row)];
    while (r.size() <= col)
        r.append(QString());
    r[col] = text;
}

TRect TControl::CellRect(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount || row >= RowCount)
        return {};
    int x = 0;
    for (int c = 0; c < col; ++c)
        x +=
            (c < static_cast<int>(ColWidths.size()) ? ColWidths[static_cast<std::size_t>(c)] : 64) +
            GridLineWidth;
    const int w =
        col < static_cast<int>(ColWidths.size()) ? ColWidths[static_cast<std::size_t>(col)] : 64;
    const int y = row * (RowHeight + GridLineWidth);
    TRect r{x, y, x + w, y + RowHeight};
    // Cells past the grid's own area are not drawn, as on the screen.
    if (r.Left >= Width || r.Top >= Height)
        return {};
    r.Right = std::min(r.Right, Width);
    r.Bottom = std::min(r.Bottom, Height);
    return r;
}

namespace {

template <typename C> auto FindIn(C& controls, const QString& name) -> decltype(&controls.front()) {
    for (auto& c : controls) {
        if (c.Name == name)
            return &c;
        if (auto* inner = FindIn(c.Children, name))
            return inner;
    }
    return nullptr;
}

} // namespace

TControl* TLayoutForm::Find(const QString& name) {
    return FindIn(Components, name);
}

const TControl* TLayoutForm::Find(const QString& name) const {
    return FindIn(Components, name);
}

bool TLayoutForm::SetText(const QString& name, const QString& text) {
    TControl* c = Find(name);
    if (!c)
        return false;
    c->Caption = text;
    return true;
}

TControl MakeLabel(const QString& name, int left, int top, int width, int height,
                   const QString& caption, int pixelHeight, int style, TAlignment align) {
    TControl c;
    c.Classes = ccLabel;
    c.Name = name;
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    c.Caption = caption;
    c.Font.Size = PointsOfHeight(pixelHeight);
    c.Font.Style = style;
    c.Alignment = align;
    return c;
}

TControl MakeLine(const QString& name, int y, int left, int right) {
    TControl c;
    c.Classes = ccBevel;
    c.Name = name;
    c.Left = left;
    c.Top = y;
    c.Width = right - left;
    c.Height = 2;
    c.Bevel = TBevelShape::TopLine;
    return c;
}

TControl MakeScrollBox() {
    TControl c;
    c.Classes = ccScrollBox;
    c.Name = QStringLiteral("ScrollBox1");
    c.Width = 737;
    c.Height = 1046;
    return c;
}

TLayoutForm MakePageFrame(const QString& formName, const QString& kindTitle, int titleTop,
                          int footerY) {
    TLayoutForm f;
    f.Name = formName;
    TControl box = MakeScrollBox();
    auto& k = box.Children;
    k.push_back(MakeLabel(QStringLiteral("Label1"), 197, 35, 120, 19,
                          QStringLiteral("Zentoria 1.1"), 16, 1 | 2));
    k.push_back(MakeLabel(QStringLiteral("Label2"), 702 - 186, 37, 186, 19, kindTitle, 16, 1,
                          TAlignment::Right));
    k.push_back(MakeLine(QStringLiteral("Bevel2"), 57));
    k.push_back(MakeLabel(QStringLiteral("Label3"), 60, 60, 50, 16, QStringLiteral("Datum:"), 13));
    k.push_back(MakeLabel(QStringLiteral("DateLabel"), 116, 60, 120, 16, QString(), 13));
    k.push_back(MakeLabel(QStringLiteral("Label4"), 629, 60, 34, 16, QStringLiteral("Seite:"), 13));
    k.push_back(
        MakeLabel(QStringLiteral("PageNum"), 664, 60, 40, 16, QString(), 13, 0, TAlignment::Right));
    k.push_back(MakeLine(QStringLiteral("Bevel3"), 77));
    k.push_back(MakeLabel(QStringLiteral("ltitel"), 60, titleTop, 580, 19, QString(), 16, 1));
    k.push_back(MakeLine(QStringLiteral("Bevel4"), footerY));
    f.Components.push_back(std::move(box));
    return f;
}
