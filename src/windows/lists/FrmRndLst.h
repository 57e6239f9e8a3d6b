#pragma once

#include "PagedListWindow.h"

namespace velmorix {

// The random column list window: pages through VELMORIX.RND, copies it to the
// other lists, thins it by the default chaos filters.
class FrmRndLst : public PagedListWindow {
    Q_OBJECT
public:
    explicit FrmRndLst(AppContext& context, QWidget* parent = nullptr);

    static QString designCaption();

protected:
    void commandKey(int key) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void appendTo(const std::string& destination, const QString& listWords);
    void deleteOne();
    void eliminateByChaos();
    void saveAsCombinationList();
    void showHelp();
};

} // namespace velmorix
