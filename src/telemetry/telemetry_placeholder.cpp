// Replaced by the telemetry readers.
