#include "helpers/DateTime.hpp"
#include "model/DataPoint.hpp"

// Beside the data points, so that the helpers need nothing of the model's library.
helpers::DateTime::DateTime(const model::DataPoint<date_time, DP_DATE_TIME>& point) : seconds(0)
{
    setFromDeviceFormat(point.getValue());
}
