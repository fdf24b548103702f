#pragma once

#include "selection_view_controller.h"
#include "settings/store/camera_models.h"

namespace drovik {

// The model dialog: when the card's camera cannot be recognised the user names it, and its
// default settings can be applied. Rows are the model names in model-type order, the first chosen.
class SelectDeviceViewController : public SelectionViewController {
    Q_OBJECT
public:
    explicit SelectDeviceViewController(Notifier &notifier, QObject *parent = nullptr);

    QComboBox *modelComboBox() const { return comboBox(); }
    // The row chosen, which is the model type; -1 when none is.
    ModelType selectedModelType() const;

protected:
    const char *titleKey() const override;
    void fillComboBox() override;
};

} // namespace drovik
