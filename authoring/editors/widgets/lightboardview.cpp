// SPDX-License-Identifier: MIT
#include "widgets/lightboardview.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ztk::legendo {
namespace {

const QColor kCellBack(14, 14, 14);
const QColor kSelectedBack(38, 52, 104);
const QColor kVariableBack(192, 192, 192);
const QColor kSelectedVariableBack(150, 162, 206);
const QColor kGridDefaultFore(255, 255, 255);  // cells that were given no colour

QString colorName(Rgb rgb) {
    if (const auto color = signColorOf(rgb)) return QString::fromLatin1(wordOf(*color)).toLower();
    if (rgb == msgfile::kRgbWhite) return QStringLiteral("white");
    if (rgb == kNoColor) return {};
    return screenColor(rgb).name();
}

QFont boardFont(double points) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("Courier New"), font.family()});
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}

}  // namespace

QColor screenColor(Rgb rgb) {
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

LightboardTableModel::LightboardTableModel(const TemplateEditorModel& model, QObject* parent)
    : QAbstractTableModel(parent), model_(model) {}

int LightboardTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int LightboardTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QString LightboardTableModel::describe(CellPos p) const {
    const LightCell& cell = model_.board().at(p);
    QString text = cell.ch == U' ' ? QStringLiteral("blank") : QString::fromUcs4(&cell.ch, 1);
    if (cell.isVariable()) {
        const int field = model_.variables().findCovering(p.row, p.col);
        const QString name =
            field >= 0 ? QString::fromStdString(model_.variables().at(field).name) : QString();
        return text + QStringLiteral(", variable '") + name + u'\'';
    }
    const QString color = colorName(cell.fore);
    return color.isEmpty() ? text : text + QStringLiteral(", ") + color;
}

QVariant LightboardTableModel::data(const QModelIndex& index, int role) const {
    const CellPos p{index.row(), index.column()};
    if (!index.isValid() || !model_.board().contains(p)) return {};
    const LightCell& cell = model_.board().at(p);
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromUcs4(&cell.ch, 1);
        case Qt::AccessibleTextRole:
        case Qt::ToolTipRole:
            return describe(p);
        case Qt::ForegroundRole:
            return cell.fore == kNoColor ? kGridDefaultFore : screenColor(cell.fore);
        case SelectedRole:
            return model_.board().selection().contains(p);
        case CursorRole:
            return model_.board().cursor() == p;
        case VariableRole:
            return cell.isVariable();
        default:
            return {};
    }
}

void LightboardTableModel::refresh(bool sizeChanged) {
    const int rows = model_.board().rows();
    const int cols = model_.board().cols();
    if (sizeChanged || rows != rows_ || cols != cols_) {
        beginResetModel();
        rows_ = rows;
        cols_ = cols;
        endResetModel();
    } else if (rows_ > 0 && cols_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
    }
}

void LightboardDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    using Role = LightboardTableModel::Role;
    const bool variable = index.data(Role::VariableRole).toBool();
    const bool selected = index.data(Role::SelectedRole).toBool();
    QColor back = variable ? kVariableBack : kCellBack;
    if (selected) back = variable ? kSelectedVariableBack : kSelectedBack;
    painter->save();
    painter->fillRect(option.rect, back);
    QColor fore = index.data(Qt::ForegroundRole).value<QColor>();
    // The field's colour, darkened so that its "x" stands out on the grey cells.
    if (variable) fore = fore.darker(150);
    painter->setFont(option.font);
    painter->setPen(fore);
    painter->drawText(option.rect, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
    if (index.data(Role::CursorRole).toBool()) {
        painter->setPen(QPen(QColor(235, 235, 235), 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

LightboardView::LightboardView(TemplateEditorModel& model, QWidget* parent)
    : QTableView(parent), model_(model), table_(new LightboardTableModel(model, this)) {
    setModel(table_);
    setItemDelegate(new LightboardDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(QStringLiteral("QTableView { background: #050505; gridline-color: #2e2e2e; }"));
    applyViewFont();
}

void LightboardView::applyViewFont() {
    const QFont font = boardFont(model_.viewFontSize());
    setFont(font);
    const QFontMetrics metrics(font);
    verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    horizontalHeader()->setDefaultSectionSize(metrics.horizontalAdvance(QLatin1Char('W')) + 8);
}

void LightboardView::mirrorSelection() {
    // The model's selection, told to the view's selection model for accessibility; the
    // delegate draws from the model itself.
    const Lightboard& board = model_.board();
    if (board.rows() == 0 || board.cols() == 0) return;
    const CellRange range = board.selection();
    const QItemSelection selection(table_->index(range.top, range.left),
                                   table_->index(range.bottom, range.right));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const QModelIndex cursor = table_->index(board.cursor().row, board.cursor().col);
    selectionModel()->setCurrentIndex(cursor, QItemSelectionModel::NoUpdate);
    scrollTo(table_->index(board.selectionEnd().row, board.selectionEnd().col));
}

void LightboardView::refresh(unsigned changes) {
    if (changes & kViewChanged) applyViewFont();
    if (changes & (kSizeChanged | kCellsChanged | kCursorChanged | kVariablesChanged)) {
        table_->refresh((changes & kSizeChanged) != 0);
        mirrorSelection();
        viewport()->update();
    }
}

CellPos LightboardView::cellAt(const QPoint& point, bool& hit) const {
    const QModelIndex index = indexAt(point);
    hit = index.isValid();
    return {index.row(), index.column()};
}

void LightboardView::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
        case Qt::Key_Left:
            return model_.stepCursor(0, -1, shift);
        case Qt::Key_Right:
            return model_.stepCursor(0, 1, shift);
        case Qt::Key_Up:
            return model_.stepCursor(-1, 0, shift);
        case Qt::Key_Down:
            return model_.stepCursor(1, 0, shift);
        case Qt::Key_Home:
            return model_.moveCursor({model_.board().cursor().row, 0});
        case Qt::Key_End:
            return model_.moveCursor({model_.board().cursor().row, model_.board().cols() - 1});
        case Qt::Key_Backspace:
            return model_.typeKey(8);
        case Qt::Key_Delete:
            return model_.pressDelete();
        default:
            break;
    }
    const QString text = event->text();
    if (text.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->ignore();
        return;
    }
    for (char32_t ch : text.toUcs4())
        model_.typeKey(ch);
}

void LightboardView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return;
    bool hit = false;
    const CellPos cell = cellAt(event->position().toPoint(), hit);
    if (!hit) return;
    if (event->modifiers() & Qt::ShiftModifier) {
        model_.extendSelection(cell);
    } else {
        model_.moveCursor(cell);
    }
    dragging_ = true;
}

void LightboardView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    bool hit = false;
    const CellPos cell = cellAt(event->position().toPoint(), hit);
    if (hit && cell != model_.board().selectionEnd()) model_.extendSelection(cell);
}

void LightboardView::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

void LightboardView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

}  // namespace ztk::legendo
