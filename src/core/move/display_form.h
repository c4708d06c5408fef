#pragma once
// The two forms an order is shown in: the readable English sentence and the order text
// the game master reads.

namespace orv::move {

enum class DisplayForm { Natural, Raw };

} // namespace orv::move
