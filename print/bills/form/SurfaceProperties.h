#pragma once

// Dynamic properties that the bill form's surface controls carry.
inline constexpr char kFieldProperty[] = "dbFieldName";     // the field a control stands for
inline constexpr char kKindProperty[] = "editKind";         // its edit kind
inline constexpr char kTickKindProperty[] = "tickKind";     // tick boxes: 0 one choice, 1 bit set
inline constexpr char kCityFieldProperty[] = "cityField";   // province drop-downs: the city field
inline constexpr char kAmountFieldProperty[] = "amountField"; // the amount behind a capital edit
inline constexpr char kPickFieldsProperty[] = "pickSetFields";  // pickers: the target fields
inline constexpr char kPickListProperty[] = "pickListName";    // pickers: the picker's name
