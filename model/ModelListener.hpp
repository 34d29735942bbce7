#ifndef MODEL_MODELLISTENER_HPP
#define MODEL_MODELLISTENER_HPP

#include <atomic>

namespace model
{
class DataModelManager;
}

class ModelListener;

// The model's half of the binding to the current screen's presenter.
class Model
{
public:
    Model() : listener(nullptr) {}

    // Replaces the listener; null unbinds.
    void bind(ModelListener* newListener) { listener = newListener; }

protected:
    // Bound on the GUI task, read by a dispatch on the link task.
    std::atomic<ModelListener*> listener;
};

// The presenter's half: every presenter reaches the model through it.
class ModelListener
{
public:
    ModelListener() : model(nullptr) {}
    // Called when the current screen's filter claimed a table change, on the task that
    // changed the table. Screens poll their filter instead.
    virtual void onModelChanged() {}
    virtual ~ModelListener() {}

    void bind(model::DataModelManager* newModel) { model = newModel; }
    model::DataModelManager* getModel() const { return model; }

protected:
    model::DataModelManager* model;
};

#endif
