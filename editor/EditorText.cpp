#include "editor/EditorText.h"

#include "editor/EditorStrings.h"
#include "language/SessionTexts.h"
#include "session_format/SessionTime.h"

std::string PictureLine(const Session& session, int64_t pointedBlock) {
  const std::string described = DescribeSession(session);
  if (pointedBlock < 0) return described;
  const uint32_t pointedMs = static_cast<uint32_t>(pointedBlock) * SessionBlockMs;
  return described + "; " + InCurrentLanguage(PointedWord) + ": " +
         SessionProgress(session, pointedMs);
}

std::string SaveQuestionText(const std::string& sessionName) {
  std::string question = InCurrentLanguage(SaveQuestion);
  return question.replace(question.find("%s"), 2, sessionName);
}
