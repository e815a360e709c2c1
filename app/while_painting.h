#pragma once
// Work that touches no widget (comparing and saving a large file) runs on a
// thread of its own while this thread repaints the window every frame, so
// the window never looks hung. No event is processed meanwhile: input waits,
// as it does during any handler. Whatever the work throws is rethrown here.

#include <chrono>
#include <functional>
#include <future>

namespace app {

template <typename Work>
auto whilePainting(Work work, const std::function<void()>& repaint) {
  auto result = std::async(std::launch::async, std::move(work));
  while (result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) repaint();
  return result.get();
}

}  // namespace app
