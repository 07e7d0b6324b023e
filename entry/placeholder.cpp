// Intentionally empty until the first unit of this library lands.
