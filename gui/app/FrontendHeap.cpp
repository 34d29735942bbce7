#include "gui/app/FrontendHeap.hpp"

#include "model/DataModelManager.hpp"

FrontendHeap& FrontendHeap::getInstance()
{
    static FrontendHeap heap(model::DataModelManager::getInstance());
    return heap;
}

FrontendHeap::FrontendHeap(model::DataModelManager& model)
    : quillon::MVPHeap(presenters, views, transitions, app), app(model, *this)
{
    app.showStartPage();
}
