#include "calculator/create_messages.h"

#include "engine/print_form.h"

namespace calculator {

std::string ConfirmationText(const std::string& city, double latitude, double longitude,
                             double timeZone, const std::string& outputFile) {
    return "City\t\t" + city + "\r" +
           "Latitude\t\t" + engine::PrintForm(latitude) + "\r" +
           "Longitude\t\t" + engine::PrintForm(longitude) + "\r" +
           "Timezone\t\tGMT + " + engine::PrintForm(timeZone) + " hrs\r" +
           "Filename\t\t" + outputFile + "\r" +
           "\r" +
           "Do you want to proceed?";
}

std::string OverwriteQuestion(const std::string& outputFile) {
    return "The file " + outputFile + " already exists.\r\rDo you want to over-write?";
}

std::string CompletionMessage(const std::string& fileBoxText) {
    return "Prayer times calculated and written to the file\r\r" + fileBoxText;
}

std::string WriteFailureMessage(const std::string& outputFile, const std::string& reason) {
    return "The file " + outputFile + " could not be written.\r\r" + reason;
}

}  // namespace calculator
