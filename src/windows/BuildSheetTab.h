// The "   Build Sheet" tab of the design window: the dimensioned drawing and
// the cut list of the current design, drawn from the build sheet model and
// redrawn after every calculation, and its print through the print preview.
#pragma once

#include "design/DesignRecord.h"
#include "report/BuildSheet.h"

#include <QWidget>

#include <functional>
#include <optional>

class QPrinter;
class QPushButton;

namespace yq {

inline constexpr const char* kBuildSheetTabCaption = QT_TRANSLATE_NOOP("yq::DesignWindow", "   Build Sheet");

// The sheet as a white page as wide as the widget; the tab scrolls it.
class BuildSheetView : public QWidget {
public:
    explicit BuildSheetView(QWidget* parent = nullptr);
    void setSheet(const report::BuildSheet* sheet);
    // Where the page lands in the widget, in pixels.
    QRectF pageRect() const;
    QSize sizeHint() const override { return {400, 580}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const report::BuildSheet* sheet_ = nullptr;
};

class BuildSheetTab : public QWidget {
    Q_OBJECT

public:
    // Shows the sheet for printing (default: showBuildSheetPreview).
    using PreviewFunction = std::function<void(const report::BuildSheet& sheet, QWidget* parent)>;

    explicit BuildSheetTab(QWidget* parent = nullptr);

    // The design to draw. The sheet is built at once when the tab is shown,
    // otherwise when it is next shown or asked for.
    void setDesign(const DesignRecord& record, const QString& designName = {});
    // The sheet of the last design given (built now if it is out of date).
    const report::BuildSheet& sheet();
    // How many times the sheet was built; a hidden tab builds nothing.
    int buildCount() const { return builds_; }

    void setPreview(PreviewFunction preview) { preview_ = std::move(preview); }
    // The pictures the values are shown through (default: the windows' own).
    void setPictures(report::PictureFunction pictures);
    QPushButton* printButton() const { return print_; }
    BuildSheetView* view() const { return view_; }

    // Opens the print preview of the current sheet.
    void print();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void rebuild();

    std::optional<DesignRecord> record_;
    QString designName_;
    report::BuildSheet sheet_;
    bool stale_ = true;
    int builds_ = 0;
    BuildSheetView* view_ = nullptr;
    QPushButton* print_ = nullptr;
    PreviewFunction preview_;
    report::PictureFunction pictures_ = report::windowPicture;
};

// Sets up a printer for the build sheet: A4 portrait, positions from the
// paper's corner, job name "Print build sheet from queue".
void prepareBuildSheetPrinter(QPrinter& printer);

// The print preview of the build sheet, one page, maximised at 100 %.
void showBuildSheetPreview(const report::BuildSheet& sheet, QWidget* parent = nullptr);

}  // namespace yq
