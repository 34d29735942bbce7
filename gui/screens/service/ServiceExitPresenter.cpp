#include "gui/screens/service/ServiceExitPresenter.hpp"

#include "model/DataPoint.hpp"

void ServiceExitPresenter::requestCommissioning()
{
    // A point of its own for the one write, built on the table index.
    model::DataPoint<unsigned char, DP_U8> request(COMMISSIONING_REQUEST);
    request.setValue(1);
}
